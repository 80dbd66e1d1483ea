#include "files/file_name.h"

#include <algorithm>
#include <cctype>

std::string_view FileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool HasExtension(std::string_view path, std::string_view extension) {
    const std::string_view name = FileName(path);
    return name.size() > extension.size() &&
           std::equal(
               extension.begin(), extension.end(), name.end() - extension.size(),
               [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}
