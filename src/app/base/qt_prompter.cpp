#include "app/base/qt_prompter.h"

#include "view/dialogs/draw_level_dlg.h"
#include "view/dialogs/import_dlg.h"
#include "view/dialogs/word_list_dlg.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

namespace {
// The question the file dialog asks before it replaces a file.
bool MayReplace(QWidget* parent, const QString& path) {
    const QString text =
        QCoreApplication::translate("QtPrompter", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    return QMessageBox::warning(parent, QStringLiteral("Glossatiles"), text,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}
} // namespace

void QtPrompter::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Glossatiles"), text, QMessageBox::Ok,
                    parent);
    // Messages quote lines from the user's files, which may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtPrompter::ChooseFileToOpen(QWidget* parent) {
    const QStringList filters{
        QCoreApplication::translate("QtPrompter", "Word lists (*.txt *.csv *.tsv *.kvtml *.apkg)"),
        QCoreApplication::translate("QtPrompter", "Saved games (*.txt)"),
        QCoreApplication::translate("QtPrompter", "All files (*)")};
    // The folder last used, not wherever the program was started.
    const QString folderKey = QStringLiteral("Files/LastFolder");
    QFileDialog dialog(parent, QCoreApplication::translate("QtPrompter", "Browse"),
                       QSettings().value(folderKey).toString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    const QString path = dialog.selectedFiles().constFirst();
    QSettings().setValue(folderKey, QFileInfo(path).absolutePath());
    return path;
}

QString QtPrompter::ChooseFileToSave(QWidget* parent) {
    // The writer guards against overwriting word lists itself.
    return ChooseFileToWrite(
        parent, QCoreApplication::translate("QtPrompter", "Save As"),
        QCoreApplication::translate("QtPrompter", "Glossatiles record file (*.txt)"),
        QStringLiteral("txt"), false);
}

QString ChooseFileToWrite(QWidget* parent, const QString& title, const QString& filter,
                          const QString& suffix, bool askBeforeReplacing) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askBeforeReplacing);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString ChooseWordListFileToWrite(QWidget* parent, const QString& title, bool ankiPackage) {
    QStringList suffixes{QStringLiteral("txt"), QStringLiteral("tsv"), QStringLiteral("csv"),
                         QStringLiteral("kvtml")};
    QStringList filters{
        QCoreApplication::translate("QtPrompter", "Glossatiles word list (*.txt)"),
        QCoreApplication::translate("QtPrompter", "Tab-separated values (*.tsv)"),
        QCoreApplication::translate("QtPrompter", "Comma-separated values (*.csv)"),
        QCoreApplication::translate("QtPrompter", "KDE vocabulary document (*.kvtml)")};
    if (ankiPackage) {
        suffixes.append(QStringLiteral("apkg"));
        filters.append(QCoreApplication::translate("QtPrompter", "Anki package (*.apkg)"));
    }
    QFileDialog dialog(parent, title, QString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix itself, so it asks about the file that would be replaced.
    const auto chosenSuffix = [&] {
        return suffixes[std::max<qsizetype>(filters.indexOf(dialog.selectedNameFilter()), 0)];
    };
    dialog.setDefaultSuffix(chosenSuffix());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&] { dialog.setDefaultSuffix(chosenSuffix()); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    // A name that ends in one of them keeps it; any other gets the chosen filter's.
    const QString path = dialog.selectedFiles().constFirst();
    if (suffixes.contains(QFileInfo(path).suffix().toLower())) {
        return path;
    }
    const QString suffixed = path + QLatin1Char('.') + chosenSuffix();
    return !QFileInfo::exists(suffixed) || MayReplace(parent, suffixed) ? suffixed : QString();
}

QString QtPrompter::ChooseFileToExport(QWidget* parent) {
    return ChooseWordListFileToWrite(
        parent, QCoreApplication::translate("QtPrompter", "Export Word List"), true);
}

std::optional<QString> QtPrompter::AskLevelText(QWidget* parent, const QString& current) {
    CDrawLevelDlg dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.LevelText;
}

void QtPrompter::ShowWordList(QWidget* parent, const WordPairList& list, std::string_view listPath,
                              const MediaFinder& pictures) {
    CWordListDlg dialog(list, listPath, pictures, parent);
    dialog.exec();
}

std::optional<ImportChoice> QtPrompter::AskImportChoice(QWidget* parent, const QString& path,
                                                        const ImportPreviewer& preview,
                                                        const ImportChoice& start) {
    ImportDlg dialog(QFileInfo(path).fileName(), preview, start, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
}

SaveChoice QtPrompter::AskSaveGameInProgress(QWidget* parent) {
    return AskSaveDiscardCancel(
        parent, QCoreApplication::translate("QtPrompter", "Save the game in progress?"));
}

SaveChoice AskSaveDiscardCancel(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Glossatiles"), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

bool QtPrompter::AskPrintSettings(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompter::AskPageSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

void QtPrompter::PreviewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter&)>& print) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&print](QPrinter* target) { print(*target); });
    dialog.exec();
}
