#pragma once

#include <string>
#include <string_view>

// "Glossatiles - " and the path, or "..." and its last 34 bytes when it is longer than 35.
std::string WindowTitle(std::string_view path);
