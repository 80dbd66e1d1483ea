#include "app/board/import_choices.h"

#include "app/base/prompter.h"

#include <QSettings>

namespace {

// A path holds slashes, which the settings take for groups.
QString ChoiceGroup(const std::string& path) {
    return QStringLiteral("ImportChoices/") +
           QString::fromLatin1(QByteArray::fromStdString(path).toBase64(
               QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

std::optional<ImportChoice> RememberedImportChooser::ChooseImport(const std::string& path,
                                                                  const ImportPreviewer& preview) {
    const std::optional<ImportChoice> remembered = RememberedImportChoice(path);
    const ImportChoice start = remembered.value_or(ImportChoice{});
    if (!alwaysAsk_ && (remembered || preview(start).head.certain)) {
        return start;
    }
    const std::optional<ImportChoice> chosen = prompter_.AskImportChoice(
        parent_, QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())), preview,
        start);
    if (chosen) {
        RememberImportChoice(path, *chosen);
    }
    return chosen;
}

std::optional<ImportChoice> RememberedImportChoice(const std::string& path) {
    QSettings settings;
    settings.beginGroup(ChoiceGroup(path));
    if (!settings.contains(QStringLiteral("WordColumn"))) {
        return std::nullopt;
    }
    ImportChoice choice;
    if (settings.contains(QStringLiteral("Separator"))) {
        choice.separator = static_cast<char>(settings.value(QStringLiteral("Separator")).toInt());
    }
    if (settings.contains(QStringLiteral("HeaderRow"))) {
        choice.headerRow = settings.value(QStringLiteral("HeaderRow")).toBool();
    }
    choice.columns = ColumnPair{settings.value(QStringLiteral("WordColumn")).toULongLong(),
                                settings.value(QStringLiteral("TranslationColumn")).toULongLong()};
    choice.description = settings.value(QStringLiteral("Description")).toString().toStdString();
    if (settings.contains(QStringLiteral("WordList"))) {
        choice.wordList = settings.value(QStringLiteral("WordList")).toBool();
    }
    return choice;
}

void RememberImportChoice(const std::string& path, const ImportChoice& choice) {
    QSettings settings;
    settings.remove(ChoiceGroup(path));
    settings.beginGroup(ChoiceGroup(path));
    if (choice.separator) {
        settings.setValue(QStringLiteral("Separator"), static_cast<int>(*choice.separator));
    }
    if (choice.headerRow) {
        settings.setValue(QStringLiteral("HeaderRow"), *choice.headerRow);
    }
    const ColumnPair columns = choice.columns.value_or(ColumnPair{});
    settings.setValue(QStringLiteral("WordColumn"), static_cast<qulonglong>(columns.word));
    settings.setValue(QStringLiteral("TranslationColumn"),
                      static_cast<qulonglong>(columns.translation));
    if (!choice.description.empty()) {
        settings.setValue(QStringLiteral("Description"),
                          QString::fromStdString(choice.description));
    }
    if (choice.wordList) {
        settings.setValue(QStringLiteral("WordList"), *choice.wordList);
    }
}
