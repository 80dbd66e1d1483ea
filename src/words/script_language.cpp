#include "words/script_language.h"

#include "words/side_line.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

enum class Script {
    Other,
    Latin,
    Greek,
    Cyrillic,
    Armenian,
    Hebrew,
    Arabic,
    Devanagari,
    Bengali,
    Gurmukhi,
    Gujarati,
    Tamil,
    Telugu,
    Kannada,
    Malayalam,
    Sinhala,
    Thai,
    Lao,
    Tibetan,
    Myanmar,
    Georgian,
    Hangul,
    Ethiopic,
    Khmer,
    Kana,
    Han,
    Count,
};

struct ScriptRange {
    char32_t first;
    char32_t last;
    Script script;
};

constexpr std::array scriptRanges{
    ScriptRange{U'A', U'Z', Script::Latin},          ScriptRange{U'a', U'z', Script::Latin},
    ScriptRange{0x00C0, 0x024F, Script::Latin},      ScriptRange{0x0370, 0x03FF, Script::Greek},
    ScriptRange{0x0400, 0x052F, Script::Cyrillic},   ScriptRange{0x0530, 0x058F, Script::Armenian},
    ScriptRange{0x0590, 0x05FF, Script::Hebrew},     ScriptRange{0x0600, 0x06FF, Script::Arabic},
    ScriptRange{0x0750, 0x077F, Script::Arabic},     ScriptRange{0x08A0, 0x08FF, Script::Arabic},
    ScriptRange{0x0900, 0x097F, Script::Devanagari}, ScriptRange{0x0980, 0x09FF, Script::Bengali},
    ScriptRange{0x0A00, 0x0A7F, Script::Gurmukhi},   ScriptRange{0x0A80, 0x0AFF, Script::Gujarati},
    ScriptRange{0x0B80, 0x0BFF, Script::Tamil},      ScriptRange{0x0C00, 0x0C7F, Script::Telugu},
    ScriptRange{0x0C80, 0x0CFF, Script::Kannada},    ScriptRange{0x0D00, 0x0D7F, Script::Malayalam},
    ScriptRange{0x0D80, 0x0DFF, Script::Sinhala},    ScriptRange{0x0E00, 0x0E7F, Script::Thai},
    ScriptRange{0x0E80, 0x0EFF, Script::Lao},        ScriptRange{0x0F00, 0x0FFF, Script::Tibetan},
    ScriptRange{0x1000, 0x109F, Script::Myanmar},    ScriptRange{0x10A0, 0x10FF, Script::Georgian},
    ScriptRange{0x1100, 0x11FF, Script::Hangul},     ScriptRange{0x1200, 0x139F, Script::Ethiopic},
    ScriptRange{0x1780, 0x17FF, Script::Khmer},      ScriptRange{0x1C80, 0x1C8F, Script::Cyrillic},
    ScriptRange{0x1E00, 0x1EFF, Script::Latin},      ScriptRange{0x1F00, 0x1FFF, Script::Greek},
    ScriptRange{0x2DE0, 0x2DFF, Script::Cyrillic},   ScriptRange{0x3040, 0x30FF, Script::Kana},
    ScriptRange{0x3130, 0x318F, Script::Hangul},     ScriptRange{0x31F0, 0x31FF, Script::Kana},
    ScriptRange{0x3400, 0x4DBF, Script::Han},        ScriptRange{0x4E00, 0x9FFF, Script::Han},
    ScriptRange{0xA640, 0xA69F, Script::Cyrillic},   ScriptRange{0xAC00, 0xD7AF, Script::Hangul},
    ScriptRange{0xF900, 0xFAFF, Script::Han},        ScriptRange{0xFB1D, 0xFB4F, Script::Hebrew},
    ScriptRange{0xFB50, 0xFDFF, Script::Arabic},     ScriptRange{0xFE70, 0xFEFF, Script::Arabic},
    ScriptRange{0xFF66, 0xFF9F, Script::Kana},       ScriptRange{0x20000, 0x3134F, Script::Han},
};

// The language most people mean by words in that script.
constexpr std::array<const char*, static_cast<std::size_t>(Script::Count)> scriptLanguages{
    "",   "",   "el", "ru", "hy", "he", "ar", "hi", "bn", "pa", "gu", "ta", "te",
    "kn", "ml", "si", "th", "lo", "bo", "my", "ka", "ko", "am", "km", "ja", "zh",
};

Script ScriptOf(char32_t c) {
    const auto range =
        std::find_if(scriptRanges.begin(), scriptRanges.end(),
                     [c](const ScriptRange& r) { return c >= r.first && c <= r.last; });
    return range == scriptRanges.end() ? Script::Other : range->script;
}

// The next code point of UTF-8 text, or nullopt when the text is not UTF-8 there.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    const int trailing = lead >= 0xF5   ? -1
                         : lead >= 0xF0 ? 3
                         : lead >= 0xE0 ? 2
                         : lead >= 0xC2 ? 1
                                        : -1;
    if (trailing < 0 || at + static_cast<std::size_t>(trailing) > text.size()) {
        return std::nullopt;
    }
    char32_t c = lead & (0x3F >> trailing);
    for (int i = 0; i < trailing; ++i) {
        const auto next = static_cast<unsigned char>(text[at++]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    return c;
}

using Tally = std::array<std::size_t, static_cast<std::size_t>(Script::Count)>;

// False when the text is not UTF-8: such lists are old single-byte files, most likely Latin.
bool CountScripts(std::string_view text, Tally& tally) {
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> c = NextCodePoint(text, at);
        if (!c) {
            return false;
        }
        ++tally[static_cast<std::size_t>(ScriptOf(*c))];
    }
    return true;
}

} // namespace

std::string GuessLanguageFromScript(const WordPairList& list, ListSide side) {
    Tally tally{};
    for (const WordPair& pair : list) {
        const std::optional<std::string> word = SideWords(pair, side);
        if (word && !CountScripts(*word, tally)) {
            return "";
        }
    }
    tally[static_cast<std::size_t>(Script::Other)] = 0;
    // Japanese mixes kana with kanji; any kana among Han characters makes them Japanese.
    if (tally[static_cast<std::size_t>(Script::Kana)] > 0) {
        tally[static_cast<std::size_t>(Script::Kana)] +=
            tally[static_cast<std::size_t>(Script::Han)];
        tally[static_cast<std::size_t>(Script::Han)] = 0;
    }
    const auto most = std::max_element(tally.begin(), tally.end());
    if (*most == 0) {
        return "";
    }
    return scriptLanguages[static_cast<std::size_t>(most - tally.begin())];
}
