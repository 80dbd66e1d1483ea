#pragma once

#include <string>

class MessageSink;

// Texts are kept in fields of MaxTextLength bytes; a longer path is refused rather than cut,
// because a cut path names another file. True (after telling the user) when refused.
bool RefuseLongPath(MessageSink& sink, const std::string& path);
