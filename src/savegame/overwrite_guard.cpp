#include "savegame/overwrite_guard.h"

#include "savegame/saved_game_format.h"
#include "words/line_reader.h"

#include <sys/stat.h>

bool IsProtectedFile(const std::string& path) {
    // Only regular files are opened: opening a FIFO for reading would wait for a writer.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const FileHandle file = OpenForReading(path);
    if (!file) {
        return false;
    }
    LineReader reader(file.get(), LineReader::WordPiece);
    const std::string firstLine = reader.ReadPiece();
    return firstLine.empty() || !firstLine.starts_with(SavedGameMark);
}
