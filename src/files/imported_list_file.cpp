#include "files/imported_list_file.h"

#include "files/file_bytes.h"
#include "files/import_chooser.h"
#include "game/game_host.h"
#include "game/game_state.h"

#include <filesystem>
#include <new>

ImportedFile ImportListFile(GameHost& host, const std::string& path, ImportFormat format,
                            ImportChooser* chooser) {
    ImportOutcome outcome;
    try {
        // The size is checked before reading; one byte more than allowed catches a file that
        // does not tell its size or grows meanwhile.
        std::error_code unknown;
        const bool tooLarge =
            std::filesystem::file_size(path, unknown) > MaxImportBytes && !unknown;
        const std::optional<std::string> bytes =
            tooLarge ? std::nullopt : ReadFileBytes(path, MaxImportBytes + 1);
        if (tooLarge || (bytes && bytes->size() > MaxImportBytes)) {
            outcome = ImportFailure(TooLargeProblem());
        } else if (!bytes) {
            outcome = ImportFailure(GT_TEXT("Message", "It cannot be read."));
        } else {
            ImportChoice choice;
            if (chooser) {
                std::optional<ImportChoice> chosen =
                    chooser->ChooseImport(path, [&](const ImportChoice& shown) {
                        return PreviewImport(format, path, *bytes, shown);
                    });
                if (!chosen) {
                    return {std::nullopt, true};
                }
                choice = std::move(*chosen);
            }
            outcome = ImportWordList(format, path, *bytes, choice);
        }
    } catch (const std::bad_alloc&) {
        outcome = ImportFailure(GT_TEXT("Message", "It is too large to read into memory."));
    }
    if (!outcome.list) {
        host.Report(ImportFailureMessage(path, std::move(outcome.problem)));
    }
    return {std::move(outcome.list), false};
}

Message TooLargeProblem() {
    return {GT_TEXT("Message", "It is larger than %1 MB, more than a word list may be."),
            {std::to_string(MaxImportBytes >> 20)}};
}

void TakeImportedList(GameState& state, ImportedList list) {
    state.FileDescription = CutText(list.description);
    state.WordList = std::move(list.pairs);
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
    state.Languages = std::move(list.languages);
}
