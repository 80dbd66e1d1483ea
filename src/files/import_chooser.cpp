#include "files/import_chooser.h"

std::optional<ImportChoice> FixedImportChooser::ChooseImport(const std::string& path,
                                                             const ImportPreviewer& preview) {
    if (choice_.columns) {
        const ImportPreview shown = preview(choice_);
        // A file that cannot be read at all is reported by the reading itself.
        if (!shown.problem) {
            if (std::optional<Message> missing = MissingColumnProblem(shown, *choice_.columns)) {
                refusal_ =
                    NestedMessage(GT_TEXT("Message", "%1: %2"), {path}, {std::move(*missing)});
                return std::nullopt;
            }
        }
    }
    return choice_;
}
