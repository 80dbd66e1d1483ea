#include "files/html_field.h"

#include "files/imported_list.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

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

// "&name;", "&#233;" or "&#xE9;": whether the name is one of HTML's is the parser's business.
bool IsEntity(std::string_view text, std::size_t at) {
    constexpr std::size_t longest = 32;
    const std::size_t semicolon = text.substr(at, longest + 2).find(';');
    if (semicolon == std::string_view::npos || semicolon < 2) {
        return false;
    }
    std::string_view body = text.substr(at + 1, semicolon - 1);
    if (body.starts_with('#')) {
        body.remove_prefix(1);
        const bool hex = body.starts_with('x') || body.starts_with('X');
        body.remove_prefix(hex ? 1 : 0);
        return !body.empty() && std::all_of(body.begin(), body.end(), [hex](char c) {
            return hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                       : std::isdigit(static_cast<unsigned char>(c)) != 0;
        });
    }
    return IsLetter(body[0]) && std::all_of(body.begin(), body.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) != 0;
           });
}

// Appends text as a browser shows it: every run of blanks, no-break spaces and line breaks is
// one blank, and none leads a line.
void AddText(std::string& line, std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const bool noBreakSpace = c == '\xC2' && at + 1 < text.size() && text[at + 1] == '\xA0';
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || noBreakSpace) {
            at += noBreakSpace ? 1 : 0;
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
        } else {
            line += c;
        }
    }
}

std::string Trimmed(std::string line) {
    if (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

// What a browser does not show as text.
bool IsHidden(GumboTag tag) {
    return tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE || tag == GUMBO_TAG_TEMPLATE ||
           tag == GUMBO_TAG_HEAD || tag == GUMBO_TAG_TITLE;
}

// Elements that begin and end a line of their own.
bool IsBlock(GumboTag tag) {
    constexpr std::array blocks{
        GUMBO_TAG_ADDRESS, GUMBO_TAG_ARTICLE,  GUMBO_TAG_ASIDE,      GUMBO_TAG_BLOCKQUOTE,
        GUMBO_TAG_DD,      GUMBO_TAG_DETAILS,  GUMBO_TAG_DIV,        GUMBO_TAG_DL,
        GUMBO_TAG_DT,      GUMBO_TAG_FIELDSET, GUMBO_TAG_FIGCAPTION, GUMBO_TAG_FIGURE,
        GUMBO_TAG_FOOTER,  GUMBO_TAG_FORM,     GUMBO_TAG_H1,         GUMBO_TAG_H2,
        GUMBO_TAG_H3,      GUMBO_TAG_H4,       GUMBO_TAG_H5,         GUMBO_TAG_H6,
        GUMBO_TAG_HEADER,  GUMBO_TAG_HR,       GUMBO_TAG_LI,         GUMBO_TAG_MAIN,
        GUMBO_TAG_NAV,     GUMBO_TAG_OL,       GUMBO_TAG_P,          GUMBO_TAG_PRE,
        GUMBO_TAG_SECTION, GUMBO_TAG_TABLE,    GUMBO_TAG_TR,         GUMBO_TAG_UL,
    };
    return std::find(blocks.begin(), blocks.end(), tag) != blocks.end();
}

} // namespace

bool LooksLikeHtml(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((text[at] == '<' && TagLength(text, at) > 0) ||
            (text[at] == '&' && IsEntity(text, at))) {
            return true;
        }
    }
    return false;
}

std::string PlainTextFromHtml(std::string_view raw) {
    return ReadHtmlField(raw).text;
}

HtmlField ReadHtmlField(std::string_view raw) {
    HtmlField field;
    // Decoded and cleaned as every imported word is, so that a stray Windows-1252 byte or a
    // control character does not reach the parser, which would put U+FFFD in its place.
    std::string html = CleanImportedWord(raw);
    if (html.find_first_of("<&") == std::string::npos) {
        AddText(field.text, html);
        field.text = Trimmed(std::move(field.text));
        return field;
    }
    if (html.size() > MaxHtmlField) {
        std::size_t cut = MaxHtmlField;
        while (cut > 0 && (static_cast<unsigned char>(html[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        html.resize(cut);
    }
    GumboOptions options = kGumboDefaultOptions;
    // A field is what a <div> holds; its errors are of no use and could be many.
    options.fragment_context = GUMBO_TAG_DIV;
    options.max_errors = 0;
    GumboOutput* output = gumbo_parse_with_options(&options, html.data(), html.size());
    std::vector<std::string> lines(1);
    const auto breakLine = [&] {
        if (!lines.back().empty()) {
            lines.emplace_back();
        }
    };
    // Children in order, without recursion: a deeply nested field cannot exhaust the stack. A
    // null node marks the end of a block element.
    std::vector<const GumboNode*> pending{output->root};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node == nullptr) {
            breakLine();
            continue;
        }
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_CDATA ||
            node->type == GUMBO_NODE_WHITESPACE) {
            AddText(lines.back(), node->v.text.text);
            continue;
        }
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT) {
            continue;
        }
        const GumboTag tag =
            node->type == GUMBO_NODE_ELEMENT ? node->v.element.tag : GUMBO_TAG_LAST;
        if (IsHidden(tag)) {
            continue;
        }
        if (tag == GUMBO_TAG_IMG && field.image.empty()) {
            if (const GumboAttribute* source =
                    gumbo_get_attribute(&node->v.element.attributes, "src")) {
                field.image = source->value;
            }
        }
        if (tag == GUMBO_TAG_BR || IsBlock(tag)) {
            breakLine();
        }
        if (IsBlock(tag)) {
            pending.push_back(nullptr);
        }
        const GumboVector& children =
            node->type == GUMBO_NODE_ELEMENT ? node->v.element.children : node->v.document.children;
        for (unsigned i = children.length; i-- > 0;) {
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
        }
    }
    gumbo_destroy_output(&options, output);
    for (const std::string& line : lines) {
        const std::string trimmed = Trimmed(line);
        if (!trimmed.empty()) {
            field.text += (field.text.empty() ? "" : " / ") + trimmed;
        }
    }
    return field;
}

SoundTags SplitSoundTags(std::string_view text) {
    constexpr std::string_view opening = "[sound:";
    SoundTags tags;
    std::string& rest = tags.rest;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find(opening, at);
        const std::size_t close =
            open == std::string_view::npos ? open : text.find(']', open + opening.size());
        if (close == std::string_view::npos) {
            break;
        }
        // A file name holds no bracket: a "[sound:" that runs into another tag is text, up to
        // its "]", both tags with it, so that a second reading finds the same text.
        if (text.substr(open + 1, close - open - 1).find('[') != std::string_view::npos) {
            rest += text.substr(at, close + 1 - at);
            at = close + 1;
            continue;
        }
        rest += text.substr(at, open - at);
        if (tags.first.empty()) {
            tags.first = text.substr(open + opening.size(), close - open - opening.size());
        }
        at = close + 1;
    }
    rest += text.substr(std::min(at, text.size()));
    return tags;
}

std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto hex = [&](std::size_t i) {
            return i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) != 0;
        };
        if (text[at] == '%' && hex(at + 1) && hex(at + 2)) {
            decoded +=
                static_cast<char>(std::stoi(std::string(text.substr(at + 1, 2)), nullptr, 16));
            at += 2;
        } else {
            decoded += text[at];
        }
    }
    return decoded;
}
