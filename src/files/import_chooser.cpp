#include "files/import_chooser.h"

std::optional<ImportChoice> FixedImportChooser::ChooseImport(const std::string& path,
                                                             const ImportPreviewer& preview) {
    if (choice_.columns) {
        const ImportPreview shown = preview(choice_);
        // A file that cannot be read at all is reported by the reading itself.
        if (shown.problem.empty()) {
            refusal_ = MissingColumnProblem(shown, *choice_.columns);
            if (!refusal_.empty()) {
                refusal_ = path + ": " + refusal_;
                return std::nullopt;
            }
        }
    }
    return choice_;
}
