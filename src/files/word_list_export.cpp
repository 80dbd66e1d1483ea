#include "files/word_list_export.h"

#include "files/anki_export.h"
#include "files/file_name.h"
#include "files/list_export.h"
#include "files/media_export.h"
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
    std::optional<std::string> bytes;
    if (HasExtension(path, ".apkg")) {
        // A package carries its pictures and sounds inside.
        bytes = AnkiPackageBytes(state.FileDescription, state.WordList, state.ListPath,
                                 host.CurrentTime());
        if (!bytes) {
            host.Report({GT_TEXT("Message", "Can't write the file\n%1"), {path}});
            return false;
        }
    } else if (!format) {
        host.Report({GT_TEXT("Message", "Can't export the word list to\n%1\nThe file name must "
                                        "end in .txt, .tsv, .csv, .kvtml or .apkg."),
                     {path}});
        return false;
    } else {
        const std::optional<WordPairList> pairs =
            WithMediaCopied(state.WordList, state.ListPath, path);
        if (!pairs) {
            host.Report(
                {GT_TEXT("Message", "Can't copy the pictures and sounds of the list to\n%1"),
                 {MediaFolderFor(path)}});
            return false;
        }
        bytes = ExportedListText(*format, state.FileDescription, *pairs, languages);
    }
    if (const AtomicWrite write = WriteFileAtomically(path, [&] { return std::move(*bytes); });
        write.result != AtomicWriteResult::Written) {
        host.Report(CantWriteFile(path, write));
        return false;
    }
    return true;
}

bool ExportWordList(const GameState& state, GameHost& host, const std::string& path) {
    return ExportWordList(state, host, path, state.Languages);
}
