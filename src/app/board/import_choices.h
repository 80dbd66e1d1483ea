#pragma once

#include "files/import_chooser.h"

#include <QString>

class Prompter;
class QWidget;

// How the window imports a file: with the choice the player made for it before, or the guesses
// when they are certain, without a question; otherwise, or whenever the player asks, through
// the preview dialog, which starts from the remembered choice and remembers the new one. Choices
// are kept per path in the settings.
class RememberedImportChooser : public ImportChooser {
public:
    RememberedImportChooser(Prompter& prompter, QWidget* parent, bool alwaysAsk)
        : prompter_(prompter), parent_(parent), alwaysAsk_(alwaysAsk) {}

    std::optional<ImportChoice> ChooseImport(const std::string& path,
                                             const ImportPreviewer& preview) override;

private:
    Prompter& prompter_;
    QWidget* parent_;
    bool alwaysAsk_;
};

// The choice kept for the file at `path`, if any.
std::optional<ImportChoice> RememberedImportChoice(const std::string& path);
void RememberImportChoice(const std::string& path, const ImportChoice& choice);
