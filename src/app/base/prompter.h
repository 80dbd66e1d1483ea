#pragma once

#include "files/import_chooser.h"
#include "view/board/side_pictures.h"
#include "words/word_pair.h"

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class QPrinter;
class QWidget;

// The answers to "Save the game in progress?" and the like.
enum class SaveChoice { Save, Discard, Cancel };

// Whether what the player was asked about may go: Discard lets it go, Save once `save` has
// kept it, Cancel never.
inline bool MayLetGo(SaveChoice answer, const std::function<bool()>& save) {
    return answer == SaveChoice::Discard || (answer == SaveChoice::Save && save());
}

// Every modal window the view opens goes through here, so that tests can answer without one.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // The chosen path, or an empty text when the user cancels.
    virtual QString ChooseFileToOpen(QWidget* parent) = 0;
    virtual QString ChooseFileToSave(QWidget* parent) = 0;
    // A name ending in .txt, .tsv, .csv, .kvtml or .apkg, or an empty text when the user cancels.
    virtual QString ChooseFileToExport(QWidget* parent) = 0;
    // The confirmed text of the Draw Level dialog, or nullopt when it was cancelled.
    virtual std::optional<QString> AskLevelText(QWidget* parent, const QString& current) = 0;
    // The list's pictures are looked for with `pictures`, from the list's own path.
    virtual void ShowWordList(QWidget* parent, const WordPairList& list, std::string_view listPath,
                              const MediaFinder& pictures) = 0;
    // How to import the file at `path`, starting from `start`; nullopt when the player cancels.
    virtual std::optional<ImportChoice> AskImportChoice(QWidget* parent, const QString& path,
                                                        const ImportPreviewer& preview,
                                                        const ImportChoice& start) = 0;
    // Asked before the window closes while the game in play has changes not saved.
    virtual SaveChoice AskSaveGameInProgress(QWidget* parent) = 0;

    // False when the user cancels.
    virtual bool AskPrintSettings(QWidget* parent, QPrinter& printer) = 0;
    virtual void AskPageSetup(QWidget* parent, QPrinter& printer) = 0;
    virtual void PreviewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter&)>& print) = 0;
};
