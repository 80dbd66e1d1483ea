#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True when the text holds a tag (<b>, </div>, <br/>) or something shaped like an entity (&amp;,
// &icirc;, &#233;).
bool LooksLikeHtml(std::string_view text);

// The words a flashcard field shows, as an HTML parser reads them: tags go, every named and
// numbered entity is decoded (&nbsp; to a blank), runs of blanks and line breaks shrink to one
// blank, and the lines that <br> and blocks (<div>, <p>, <li>, ...) make are joined by " / ",
// so that "thank you<br>thanks" reads as two alternatives. Only the first MaxHtmlField bytes of
// markup are read: no word is that long, and a parser's tree of megabytes of tags would take
// seconds and hundreds of megabytes.
std::string PlainTextFromHtml(std::string_view html);

// A field's words as above, and the source of its first picture, <img src="…">, as written.
struct HtmlField {
    std::string text;
    std::string image;
};
HtmlField ReadHtmlField(std::string_view html);

inline constexpr std::size_t MaxHtmlField = std::size_t{64} << 10;

// Anki's sound references, "[sound:cat.mp3]": the text without them, and the first one's file.
struct SoundTags {
    std::string rest;
    std::string first;
};
SoundTags SplitSoundTags(std::string_view text);

// "%20" and the like decoded, as a URL names a file; other text as it is.
std::string PercentDecoded(std::string_view text);
