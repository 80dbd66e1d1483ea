#include "files/language_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

// The languages lists are most often made in; others keep the code or name they came with.
constexpr std::array<std::pair<std::string_view, std::string_view>, 44> Languages{{
    {"af", "Afrikaans"}, {"am", "Amharic"},   {"ar", "Arabic"},     {"bg", "Bulgarian"},
    {"bn", "Bengali"},   {"ca", "Catalan"},   {"cs", "Czech"},      {"cy", "Welsh"},
    {"da", "Danish"},    {"de", "German"},    {"el", "Greek"},      {"en", "English"},
    {"eo", "Esperanto"}, {"es", "Spanish"},   {"et", "Estonian"},   {"fa", "Persian"},
    {"fi", "Finnish"},   {"fr", "French"},    {"ga", "Irish"},      {"he", "Hebrew"},
    {"hi", "Hindi"},     {"hu", "Hungarian"}, {"hy", "Armenian"},   {"id", "Indonesian"},
    {"is", "Icelandic"}, {"it", "Italian"},   {"ja", "Japanese"},   {"ka", "Georgian"},
    {"ko", "Korean"},    {"la", "Latin"},     {"lt", "Lithuanian"}, {"lv", "Latvian"},
    {"nl", "Dutch"},     {"no", "Norwegian"}, {"pl", "Polish"},     {"pt", "Portuguese"},
    {"ro", "Romanian"},  {"ru", "Russian"},   {"sv", "Swedish"},    {"sw", "Swahili"},
    {"th", "Thai"},      {"tr", "Turkish"},   {"uk", "Ukrainian"},  {"zh", "Chinese"},
}};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsAsciiLetters(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isalpha(c); });
}

// "fr", "de-DE", "pt_BR", "zh_Hant_TW": two or three letters, then parts after '-' or '_'.
bool IsLocaleCode(std::string_view text) {
    const std::size_t end = std::min(text.find_first_of("-_"), text.size());
    return (end == 2 || end == 3) && IsAsciiLetters(text.substr(0, end)) &&
           text.find_first_not_of(
               "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_") ==
               std::string_view::npos &&
           !text.ends_with('-') && !text.ends_with('_');
}

} // namespace

LanguageLabel LabelLanguage(std::string_view named) {
    const std::size_t first = named.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    named = named.substr(first, named.find_last_not_of(" \t") - first + 1);
    const std::string lower = Lower(named);
    for (const auto& [code, name] : Languages) {
        if (lower == Lower(name)) {
            return {std::string(name), std::string(code)};
        }
    }
    if (!IsLocaleCode(named)) {
        return {std::string(named), {}};
    }
    const std::string language = lower.substr(0, std::min(lower.find_first_of("-_"), lower.size()));
    const auto known = std::find_if(Languages.begin(), Languages.end(),
                                    [&](const auto& entry) { return entry.first == language; });
    return {known == Languages.end() ? std::string(named) : std::string(known->second),
            std::string(named)};
}
