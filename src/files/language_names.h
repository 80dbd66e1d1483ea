#pragma once

#include <string>
#include <string_view>

// A side's language as another vocabulary program labels it: a readable name and a locale
// code, either of which may be empty when nothing is known.
struct LanguageLabel {
    std::string name;
    std::string locale;
};

// What a list or the player names a language by, read either way round: a code ("fr",
// "de-DE", "pt_BR") gets its English name, an English name ("French") its code. Anything else
// is kept as the name, without a code.
LanguageLabel LabelLanguage(std::string_view named);
