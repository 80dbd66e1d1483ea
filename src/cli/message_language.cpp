#include "cli/message_language.h"

#include "cli/message_catalog.h"

#include <algorithm>
#include <cstring>

namespace {

std::string LanguageOf(std::string_view locale) {
    return std::string(locale.substr(0, locale.find_first_of("_.@")));
}

bool Translated(std::string_view language) {
    const auto catalog = MessageCatalog();
    return std::any_of(catalog.begin(), catalog.end(),
                       [&](const CatalogEntry& entry) { return language == entry.language; });
}

const CatalogEntry* Find(const Message& message, std::string_view language) {
    for (const CatalogEntry& entry : MessageCatalog()) {
        if (language == entry.language && std::strcmp(entry.source, message.text) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

// Which of a translation's two forms a count takes: French says "1 ligne" and "0 ligne".
int FormFor(std::string_view language, long long count) {
    if (language == "fr") {
        return count <= 1 ? 0 : 1;
    }
    return count == 1 ? 0 : 1;
}

} // namespace

std::string MessageLanguage(const std::function<const char*(const char*)>& environment) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    const std::string language = LanguageOf(locale);
    if (language.empty() || language == "C" || language == "POSIX") {
        return {};
    }
    const char* list = environment("LANGUAGE");
    std::string_view wanted = list ? list : "";
    while (!wanted.empty()) {
        const std::size_t end = wanted.find(':');
        const std::string first = LanguageOf(wanted.substr(0, end));
        if (first == "en" || Translated(first)) {
            return first == "en" ? std::string() : first;
        }
        wanted = end == std::string_view::npos ? std::string_view() : wanted.substr(end + 1);
    }
    return Translated(language) ? language : std::string();
}

std::string LocalizedText(const Message& message, std::string_view language) {
    const CatalogEntry* entry = language.empty() ? nullptr : Find(message, language);
    const int form = message.count ? FormFor(language, *message.count) : 0;
    std::string text =
        FillIn(entry ? entry->forms[form] : EnglishForm(message), message,
               [&](const Message& nested) { return LocalizedText(nested, language); });
    for (const Message& note : message.followedBy) {
        text += ' ' + LocalizedText(note, language);
    }
    return text;
}
