#pragma once

#include <string_view>

// What File > Open finds in a file; each kind has its own reader.
enum class FileKind { WordList, SavedGame };

// Told from the file's first line. A file that no other kind claims is a word list.
FileKind DetectFileKind(std::string_view firstLine);
