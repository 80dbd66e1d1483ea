#pragma once

#include "words/line_reader.h"

#include <string>

class MessageSink;

// Opens a file that the game reads as text: a word list or a saved game. Null, after telling
// the user, when it is not a regular file, cannot be read, or holds a NUL byte in its first
// 64 KB, which no text file does.
FileHandle OpenTextFile(const std::string& path, MessageSink& sink);
