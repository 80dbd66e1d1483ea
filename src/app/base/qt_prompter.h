#pragma once

#include "app/base/prompter.h"

// The real modal windows: message boxes, file dialogs, the game's dialogs, printer dialogs.
class QtPrompter : public Prompter {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    QString ChooseFileToOpen(QWidget* parent) override;
    QString ChooseFileToSave(QWidget* parent) override;
    QString ChooseFileToExport(QWidget* parent) override;
    std::optional<QString> AskLevelText(QWidget* parent, const QString& current) override;
    void ShowWordList(QWidget* parent, const WordPairList& list, std::string_view listPath,
                      const MediaFinder& pictures) override;
    std::optional<ImportChoice> AskImportChoice(QWidget* parent, const QString& path,
                                                const ImportPreviewer& preview,
                                                const ImportChoice& start) override;
    SaveChoice AskSaveGameInProgress(QWidget* parent) override;
    bool AskPrintSettings(QWidget* parent, QPrinter& printer) override;
    void AskPageSetup(QWidget* parent, QPrinter& printer) override;
    void PreviewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& print) override;
};

// A save dialog for one kind of file: a name without a suffix gets `suffix`. The chosen path,
// or an empty text when the user cancels.
QString ChooseFileToWrite(QWidget* parent, const QString& title, const QString& filter,
                          const QString& suffix, bool askBeforeReplacing);

// A save dialog for a word list in one of the formats the game writes. A name ending in .txt,
// .tsv, .csv or .kvtml, or .apkg when `ankiPackage` offers it (an export only: the game does
// not write a list into a package in place), or an empty text when the user cancels.
QString ChooseWordListFileToWrite(QWidget* parent, const QString& title, bool ankiPackage = false);

// Asks `question` with Save, Discard and Cancel; Save is the default.
SaveChoice AskSaveDiscardCancel(QWidget* parent, const QString& question);
