#pragma once

#include "files/list_import.h"
#include "words/import_choice.h"

#include <functional>
#include <optional>
#include <string>

// Shows a file as the import would read it under a choice.
using ImportPreviewer = std::function<ImportPreview(const ImportChoice&)>;

// Asked how to read a file that is imported, before it is read: the preview dialog in the
// window, the options on the command line.
class ImportChooser {
public:
    virtual ~ImportChooser() = default;
    // The choice to read the file with, or nullopt to leave it unopened.
    virtual std::optional<ImportChoice> ChooseImport(const std::string& path,
                                                     const ImportPreviewer& preview) = 0;
};

// One choice for every file, as the command line gives it. A chosen column that the file does
// not have is refused, with the problem kept for the caller.
class FixedImportChooser : public ImportChooser {
public:
    explicit FixedImportChooser(ImportChoice choice) : choice_(std::move(choice)) {}

    std::optional<ImportChoice> ChooseImport(const std::string& path,
                                             const ImportPreviewer& preview) override;

    // Why the choice was refused, if it was.
    const std::optional<Message>& Refusal() const { return refusal_; }

private:
    ImportChoice choice_;
    std::optional<Message> refusal_;
};
