#pragma once

#include <string>

// True when a save must not write to `path`: the file exists and is empty or is not a saved
// game, so that a word list can never be destroyed by a save. A path that cannot be opened
// as a file may be written.
bool IsProtectedFile(const std::string& path);
