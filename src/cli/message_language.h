#pragma once

#include "words/message.h"

#include <functional>
#include <string>
#include <string_view>

// The language messages are written in, read from the environment as gettext reads it: the
// first of LC_ALL, LC_MESSAGES and LANG that is set names the locale; under "C" or "POSIX" the
// program speaks English, otherwise LANGUAGE's list comes first. "de", "fr", "es", or "" for
// English.
std::string MessageLanguage(const std::function<const char*(const char*)>& environment);

// The message in `language`, English where it has no translation.
std::string LocalizedText(const Message& message, std::string_view language);
