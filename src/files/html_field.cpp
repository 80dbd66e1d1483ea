#include "files/html_field.h"

#include "files/utf8_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The length of a tag starting at `at` ("<" up to ">"), or 0 when there is none.
std::size_t TagLength(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size() || text[at] != '<') {
        return 0;
    }
    const char first = text[at + 1];
    if (!IsLetter(first) && first != '/' && first != '!') {
        return 0;
    }
    // A field's tags are short; a bound keeps a run of stray '<' from costing n squared.
    constexpr std::size_t longestTag = 1024;
    const std::size_t close = text.substr(at, longestTag).find('>');
    return close == std::string_view::npos ? 0 : close + 1;
}

bool BreaksLine(std::string_view tag) {
    std::size_t at = 1;
    if (at < tag.size() && tag[at] == '/') {
        ++at;
    }
    std::string name;
    while (at < tag.size() && IsLetter(tag[at])) {
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[at++])));
    }
    return name == "br" || name == "div" || name == "p" || name == "li";
}

std::optional<std::uint32_t> NumericEntity(std::string_view body) {
    int base = 10;
    if (!body.empty() && (body[0] == 'x' || body[0] == 'X')) {
        base = 16;
        body.remove_prefix(1);
    }
    std::uint32_t code = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), code, base);
    const bool valid = error == std::errc() && end == body.data() + body.size() && code != 0 &&
                       code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? std::optional(code) : std::nullopt;
}

// The decoded text of an entity "&name;" starting at `at` and its length, or nothing.
std::optional<std::pair<std::string, std::size_t>> Entity(std::string_view text, std::size_t at) {
    constexpr std::size_t longest = 10;
    const std::size_t semicolon = text.substr(at, longest + 1).find(';');
    if (semicolon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view body = text.substr(at + 1, semicolon - 1);
    constexpr std::array<std::pair<std::string_view, std::string_view>, 6> named{{
        {"amp", "&"},
        {"lt", "<"},
        {"gt", ">"},
        {"quot", "\""},
        {"apos", "'"},
        {"nbsp", " "},
    }};
    for (const auto& [name, value] : named) {
        if (body == name) {
            return std::pair(std::string(value), body.size() + 2);
        }
    }
    if (body.size() > 1 && body[0] == '#') {
        if (const auto code = NumericEntity(body.substr(1))) {
            std::string decoded;
            AppendUtf8(decoded, *code == 0xA0 ? ' ' : *code);
            return std::pair(decoded, body.size() + 2);
        }
    }
    return std::nullopt;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

bool LooksLikeHtml(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((text[at] == '<' && TagLength(text, at) > 0) || (text[at] == '&' && Entity(text, at))) {
            return true;
        }
    }
    return false;
}

std::string PlainTextFromHtml(std::string_view html) {
    std::string text;
    for (std::size_t at = 0; at < html.size();) {
        if (const std::size_t tag = TagLength(html, at)) {
            if (BreaksLine(html.substr(at, tag))) {
                text += ' ';
            }
            at += tag;
        } else if (const auto entity = html[at] == '&' ? Entity(html, at) : std::nullopt) {
            text += entity->first;
            at += entity->second;
        } else {
            text += IsBlank(html[at]) ? ' ' : html[at];
            ++at;
        }
    }
    std::string shrunk;
    for (const char c : text) {
        if (c != ' ' || (!shrunk.empty() && shrunk.back() != ' ')) {
            shrunk += c;
        }
    }
    if (!shrunk.empty() && shrunk.back() == ' ') {
        shrunk.pop_back();
    }
    return shrunk;
}

std::string WithoutSoundTags(std::string_view text) {
    constexpr std::string_view opening = "[sound:";
    std::string rest;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find(opening, at);
        const std::size_t close =
            open == std::string_view::npos ? open : text.find(']', open + opening.size());
        if (close == std::string_view::npos) {
            break;
        }
        rest += text.substr(at, open - at);
        at = close + 1;
    }
    rest += text.substr(std::min(at, text.size()));
    return rest;
}
