#pragma once

#include <string>
#include <string_view>

// True when the text holds a tag (<b>, </div>, <br/>) or an entity (&amp;, &#233;).
bool LooksLikeHtml(std::string_view text);

// The words a flashcard field shows: tags go (<br>, <div> and <p> leave a blank), entities are
// decoded (&nbsp; to a blank), line breaks become blanks, runs of blanks shrink to one, and the
// ends are trimmed.
std::string PlainTextFromHtml(std::string_view html);

// Drops Anki's sound references, "[sound:cat.mp3]": a tile cannot play them.
std::string WithoutSoundTags(std::string_view text);
