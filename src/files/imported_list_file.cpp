#include "files/imported_list_file.h"

#include "files/file_bytes.h"
#include "game/game_host.h"
#include "game/game_state.h"

#include <new>

std::optional<ImportedList> ImportListFile(GameHost& host, const std::string& path,
                                           ImportFormat format) {
    ImportOutcome outcome;
    try {
        const std::optional<std::string> bytes = ReadFileBytes(path);
        outcome =
            bytes ? ImportWordList(format, path, *bytes) : ImportFailure("It cannot be read.");
    } catch (const std::bad_alloc&) {
        outcome = ImportFailure("It is too large to read into memory.");
    }
    if (!outcome.list) {
        host.ShowMessage(ImportFailureMessage(path, outcome.problem));
    }
    return std::move(outcome.list);
}

void TakeImportedList(GameState& state, ImportedList list) {
    state.FileDescription = CutText(list.description);
    state.WordList = std::move(list.pairs);
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
    state.Languages = std::move(list.languages);
}
