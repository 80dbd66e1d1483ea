#pragma once

#include <string>
#include <string_view>

// "Glossatiles - " and the path, or "..." and its last 34 bytes when it is longer than 35 (fewer,
// when a UTF-8 character would be cut).
std::string WindowTitle(std::string_view path);
