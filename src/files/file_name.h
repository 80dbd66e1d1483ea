#pragma once

#include <string_view>

// The last part of a path, without its folder.
std::string_view FileName(std::string_view path);

// True when the file's name ends in the extension (given in lower case, with its dot), in any
// case, and is more than the extension alone.
bool HasExtension(std::string_view path, std::string_view extension);
