#include "learning/letters.h"

#include <utf8proc.h>

namespace {

// A tab, a line break or a space of any width.
bool IsBlank(std::int32_t letter) {
    return letter == '\t' || letter == '\n' || letter == '\r' || letter == '\v' || letter == '\f' ||
           utf8proc_category(letter) == UTF8PROC_CATEGORY_ZS;
}

} // namespace

std::optional<Letters> Mapped(std::string_view text, int options) {
    const int form = (options & UTF8PROC_COMPOSE) != 0 ? 0 : UTF8PROC_DECOMPOSE;
    const auto flags = static_cast<utf8proc_option_t>(UTF8PROC_STABLE | form | options);
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    const auto length = static_cast<utf8proc_ssize_t>(text.size());
    Letters buffer(text.size() + 1);
    utf8proc_ssize_t count = 0;
    // A decomposition may be longer than the text: the first call then tells how long.
    for (int attempt = 0; attempt < 2; ++attempt) {
        count = utf8proc_decompose(bytes, length, buffer.data(),
                                   static_cast<utf8proc_ssize_t>(buffer.size()), flags);
        if (count < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(count) <= buffer.size()) {
            break;
        }
        buffer.resize(static_cast<std::size_t>(count));
    }
    if ((options & UTF8PROC_COMPOSE) != 0) {
        count = utf8proc_normalize_utf32(buffer.data(), count, flags);
        if (count < 0) {
            return std::nullopt;
        }
    }
    buffer.resize(static_cast<std::size_t>(count));
    return WithBlanksCollapsed(buffer, IsBlank);
}

std::string Utf8(const Letters& letters) {
    std::string text;
    utf8proc_uint8_t bytes[4];
    for (const std::int32_t letter : letters) {
        const utf8proc_ssize_t length = utf8proc_encode_char(letter, bytes);
        text.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    }
    return text;
}
