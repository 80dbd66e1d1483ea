#include "files/column_names.h"

#include "words/lowered.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

using namespace std::string_view_literals;

enum class Role { Word, Translation, Language, Note, Aside };

struct KnownName {
    std::string_view name;
    Role role;
};

constexpr std::array knownNames{
    KnownName{"word", Role::Word},
    KnownName{"words", Role::Word},
    KnownName{"front", Role::Word},
    KnownName{"term", Role::Word},
    KnownName{"expression", Role::Word},
    KnownName{"vocabulary", Role::Word},
    KnownName{"vocab", Role::Word},
    KnownName{"question", Role::Word},
    KnownName{"kanji", Role::Word},
    KnownName{"hanzi", Role::Word},
    KnownName{"simplified", Role::Word},
    KnownName{"traditional", Role::Word},
    KnownName{"translation", Role::Translation},
    KnownName{"translations", Role::Translation},
    KnownName{"back", Role::Translation},
    KnownName{"definition", Role::Translation},
    KnownName{"definitions", Role::Translation},
    KnownName{"meaning", Role::Translation},
    KnownName{"meanings", Role::Translation},
    KnownName{"answer", Role::Translation},
    KnownName{"gloss", Role::Translation},
    KnownName{"id", Role::Aside},
    KnownName{"no", Role::Aside},
    KnownName{"number", Role::Aside},
    KnownName{"reading", Role::Aside},
    KnownName{"readings", Role::Aside},
    KnownName{"pronunciation", Role::Aside},
    KnownName{"phonetic", Role::Aside},
    KnownName{"transcription", Role::Aside},
    KnownName{"pinyin", Role::Aside},
    KnownName{"romaji", Role::Aside},
    KnownName{"kana", Role::Aside},
    KnownName{"audio", Role::Aside},
    KnownName{"sound", Role::Aside},
    KnownName{"image", Role::Aside},
    KnownName{"sentence", Role::Aside},
    KnownName{"explanation", Role::Aside},
    KnownName{"synonym", Role::Aside},
    KnownName{"synonyms", Role::Aside},
    KnownName{"context", Role::Aside},
    KnownName{"comment", Role::Note},
    KnownName{"comments", Role::Note},
    KnownName{"note", Role::Note},
    KnownName{"notes", Role::Note},
    KnownName{"example", Role::Note},
    KnownName{"examples", Role::Note},
    KnownName{"tag", Role::Aside},
    KnownName{"tags", Role::Aside},
    KnownName{"gender", Role::Aside},
    KnownName{"part of speech", Role::Aside},
    KnownName{"pos", Role::Aside},
    KnownName{"level", Role::Aside},
    KnownName{"lesson", Role::Aside},
    KnownName{"category", Role::Aside},
    KnownName{"source", Role::Aside},
};

// Languages by their English name and their own.
constexpr std::array languageNames{
    "english"sv,    "french"sv,    "français"sv,   "francais"sv,   "german"sv,     "deutsch"sv,
    "spanish"sv,    "español"sv,   "espanol"sv,    "italian"sv,    "italiano"sv,   "portuguese"sv,
    "português"sv,  "dutch"sv,     "nederlands"sv, "swedish"sv,    "svenska"sv,    "norwegian"sv,
    "norsk"sv,      "danish"sv,    "dansk"sv,      "finnish"sv,    "suomi"sv,      "polish"sv,
    "polski"sv,     "czech"sv,     "čeština"sv,    "russian"sv,    "русский"sv,    "ukrainian"sv,
    "українська"sv, "greek"sv,     "ελληνικά"sv,   "turkish"sv,    "türkçe"sv,     "arabic"sv,
    "العربية"sv,    "hebrew"sv,    "עברית"sv,      "japanese"sv,   "日本語"sv,     "chinese"sv,
    "中文"sv,       "korean"sv,    "한국어"sv,     "hindi"sv,      "हिन्दी"sv,      "latin"sv,
    "latina"sv,     "esperanto"sv, "vietnamese"sv, "tiếng việt"sv, "indonesian"sv, "hungarian"sv,
    "magyar"sv,     "romanian"sv,  "română"sv,     "catalan"sv,    "català"sv,     "irish"sv,
    "welsh"sv,      "thai"sv,      "ไทย"sv,
};

std::optional<Role> RoleOfName(std::string_view name) {
    for (const KnownName& known : knownNames) {
        if (name == known.name) {
            return known.role;
        }
    }
    if (std::find(languageNames.begin(), languageNames.end(), name) != languageNames.end()) {
        return Role::Language;
    }
    return std::nullopt;
}

// A name, alone or in a name of up to three words, where the last name decides, as in "Word
// Meaning", "Example ES" or "English word".
std::optional<Role> RoleOf(std::string_view cell) {
    const std::string name = Lowered(cell);
    if (const std::optional<Role> role = RoleOfName(name)) {
        return role;
    }
    constexpr std::size_t mostWords = 3;
    std::optional<Role> role;
    std::size_t words = 0;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t end = std::min(name.find_first_of(" _-/()", at), name.size());
        if (end > at) {
            if (++words > mostWords) {
                return std::nullopt;
            }
            if (const std::optional<Role> known =
                    RoleOfName(std::string_view(name).substr(at, end - at))) {
                role = known;
            }
        }
        at = end + 1;
    }
    return role;
}

// A name as programs write them, "verb_group" or "createdAt": no word of a list looks so.
bool IsIdentifier(std::string_view cell) {
    const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    const auto isUpper = [](char c) { return c >= 'A' && c <= 'Z'; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (cell.empty() || !(isLower(cell[0]) || isUpper(cell[0]))) {
        return false;
    }
    bool joined = false;
    for (std::size_t at = 1; at < cell.size(); ++at) {
        const char c = cell[at];
        if (c == '_' && at + 1 < cell.size() && cell[at + 1] != '_') {
            joined = true;
        } else if (isUpper(c) && isLower(cell[at - 1])) {
            joined = true;
        } else if (!isLower(c) && !isUpper(c) && !isDigit(c)) {
            return false;
        }
    }
    return joined;
}

// Most of its cells, more than half, are column names.
bool NamesColumns(const TableRow& row) {
    std::size_t cells = 0;
    std::size_t names = 0;
    for (const std::string& field : row.fields) {
        if (!field.empty()) {
            ++cells;
            names += RoleOf(field).has_value() || IsIdentifier(field);
        }
    }
    return 2 * names > cells;
}

} // namespace

bool LooksLikeHeaderRow(const std::vector<TableRow>& rows) {
    if (rows.empty() || !NamesColumns(rows.front())) {
        return false;
    }
    const auto below = static_cast<std::size_t>(std::count_if(
        rows.begin() + 1, rows.end(), [](const TableRow& row) { return NamesColumns(row); }));
    return 2 * below < rows.size() - 1 || rows.size() == 1;
}

ColumnPair ProposedColumns(const std::vector<std::string>& names) {
    std::optional<std::size_t> word;
    std::optional<std::size_t> translation;
    std::optional<std::size_t> note;
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::optional<Role> role = RoleOf(names[i]);
        if (role == Role::Word && !word) {
            word = i;
        } else if (role == Role::Translation && !translation) {
            translation = i;
        } else if (role == Role::Note) {
            note = note.value_or(i);
        } else if (role != Role::Aside) {
            others.push_back(i);
        }
    }
    auto next = others.begin();
    if (!word && next != others.end()) {
        word = *next++;
    }
    if (!translation && next != others.end()) {
        translation = *next++;
    }
    if (!word || !translation) {
        return {};
    }
    return {*word, *translation, note};
}
