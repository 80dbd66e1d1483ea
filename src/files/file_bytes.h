#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>

// The first `limit` bytes of a regular file (all of it by default), or nullopt when it cannot
// be opened or read.
std::optional<std::string>
ReadFileBytes(const std::string& path, std::size_t limit = std::numeric_limits<std::size_t>::max());
