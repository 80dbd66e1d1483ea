#include "files/word_list_export.h"

#include "files/list_export.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/word_list_command.h"
#include "savegame/atomic_file.h"

bool ExportWordList(const GameState& state, GameHost& host, const std::string& path,
                    const ListLanguages& languages) {
    if (RefuseWithoutWordList(state, host)) {
        return false;
    }
    const std::optional<ExportFormat> format = ExportFormatOf(path);
    if (!format) {
        host.Report({GT_TEXT("Message", "Can't export the word list to\n%1\nThe file name must "
                                        "end in .txt, .tsv, .csv or .kvtml."),
                     {path}});
        return false;
    }
    const auto text = [&] {
        return ExportedListText(*format, state.FileDescription, state.WordList, languages);
    };
    if (const AtomicWrite write = WriteFileAtomically(path, text);
        write.result != AtomicWriteResult::Written) {
        host.Report(CantWriteFile(path, write));
        return false;
    }
    return true;
}

bool ExportWordList(const GameState& state, GameHost& host, const std::string& path) {
    return ExportWordList(state, host, path, state.Languages);
}
