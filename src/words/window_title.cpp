#include "words/window_title.h"

#include "words/whole_characters.h"

namespace {
constexpr std::size_t LongestWholePath = 35;
constexpr std::size_t ShownTail = 34;
} // namespace

std::string WindowTitle(std::string_view path) {
    if (path.size() <= LongestWholePath) {
        return "Glossatiles - " + std::string(path);
    }
    return "Glossatiles - ..." + std::string(WholeTail(path, ShownTail));
}
