#include "words/letter_language.h"

#include "words/side_line.h"

#include <utf8proc.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

namespace {

// Common languages written in the Latin script, in the order a tie lists them.
constexpr std::array<std::string_view, 16> Languages{
    "en", "fr", "de", "es", "it", "pt", "nl", "pl", "sv", "da", "nb", "fi", "cs", "hu", "ro", "tr"};

struct LetterVote {
    char32_t letter;
    // Codes of Languages, separated by blanks.
    std::string_view languages;
};

// Lower-case letters, and the languages that write them.
constexpr std::array Votes{
    LetterVote{U'ñ', "es"},
    LetterVote{U'¿', "es"},
    LetterVote{U'¡', "es"},
    LetterVote{U'á', "es pt cs hu"},
    LetterVote{U'é', "fr es it pt cs hu"},
    LetterVote{U'í', "es pt cs hu"},
    LetterVote{U'ó', "es pt pl cs hu"},
    LetterVote{U'ú', "es pt cs hu"},
    LetterVote{U'ü', "de es hu tr"},
    LetterVote{U'ß', "de"},
    LetterVote{U'ä', "de sv fi"},
    LetterVote{U'ö', "de sv fi hu tr"},
    LetterVote{U'ç', "fr pt tr"},
    LetterVote{U'œ', "fr"},
    LetterVote{U'à', "fr it pt"},
    LetterVote{U'è', "fr it"},
    LetterVote{U'ê', "fr pt"},
    LetterVote{U'â', "fr pt ro tr"},
    LetterVote{U'î', "fr ro"},
    LetterVote{U'ô', "fr pt"},
    LetterVote{U'û', "fr"},
    LetterVote{U'ë', "fr nl"},
    LetterVote{U'ï', "fr nl"},
    LetterVote{U'ù', "fr it"},
    LetterVote{U'ÿ', "fr"},
    LetterVote{U'ì', "it"},
    LetterVote{U'ò', "it"},
    LetterVote{U'ã', "pt"},
    LetterVote{U'õ', "pt"},
    LetterVote{U'å', "sv da nb"},
    LetterVote{U'æ', "da nb"},
    LetterVote{U'ø', "da nb"},
    LetterVote{U'ą', "pl"},
    LetterVote{U'ę', "pl"},
    LetterVote{U'ł', "pl"},
    LetterVote{U'ń', "pl"},
    LetterVote{U'ś', "pl"},
    LetterVote{U'ź', "pl"},
    LetterVote{U'ż', "pl"},
    LetterVote{U'ć', "pl"},
    LetterVote{U'č', "cs"},
    LetterVote{U'ď', "cs"},
    LetterVote{U'ě', "cs"},
    LetterVote{U'ň', "cs"},
    LetterVote{U'ř', "cs"},
    LetterVote{U'š', "cs"},
    LetterVote{U'ť', "cs"},
    LetterVote{U'ů', "cs"},
    LetterVote{U'ž', "cs"},
    LetterVote{U'ő', "hu"},
    LetterVote{U'ű', "hu"},
    LetterVote{U'ğ', "tr"},
    LetterVote{U'ı', "tr"},
    LetterVote{U'İ', "tr"},
    LetterVote{U'ş', "ro tr"},
    LetterVote{U'ă', "ro"},
    LetterVote{U'ș', "ro"},
    LetterVote{U'ț', "ro"},
};

const LetterVote* VoteOf(char32_t letter) {
    const auto found = std::find_if(Votes.begin(), Votes.end(), [letter](const LetterVote& vote) {
        return vote.letter == letter;
    });
    return found == Votes.end() ? nullptr : &*found;
}

// The distinct voting letters of UTF-8 `word`, composed so that a decomposed ñ counts too;
// false when it is not UTF-8.
bool AddVotingLetters(const std::string& word, std::set<const LetterVote*>& letters) {
    utf8proc_uint8_t* composed = nullptr;
    const utf8proc_ssize_t length =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(word.data()),
                     static_cast<utf8proc_ssize_t>(word.size()), &composed,
                     static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    if (length < 0) {
        return false;
    }
    for (utf8proc_ssize_t at = 0; at < length;) {
        utf8proc_int32_t letter = 0;
        at += utf8proc_iterate(composed + at, length - at, &letter);
        // Capital İ is Turkish's own; other capitals vote as their small letters.
        const LetterVote* vote = VoteOf(static_cast<char32_t>(letter));
        if (!vote) {
            vote = VoteOf(static_cast<char32_t>(utf8proc_tolower(letter)));
        }
        if (vote) {
            letters.insert(vote);
        }
    }
    std::free(composed);
    return true;
}

} // namespace

std::vector<std::string> GuessLanguagesFromLetters(const WordPairList& list, ListSide side) {
    std::set<const LetterVote*> letters;
    for (const WordPair& pair : list) {
        const std::optional<std::string> word = SideWords(pair, side);
        if (word && !AddVotingLetters(*word, letters)) {
            return {};
        }
    }
    std::array<int, Languages.size()> votes{};
    for (const LetterVote* letter : letters) {
        for (std::size_t i = 0; i < Languages.size(); ++i) {
            const std::string_view code = Languages[i];
            const std::size_t at = letter->languages.find(code);
            votes[i] += at != std::string_view::npos && at % 3 == 0 ? 1 : 0;
        }
    }
    const int most = *std::max_element(votes.begin(), votes.end());
    std::vector<std::string> likely;
    for (std::size_t i = 0; i < Languages.size() && most > 0; ++i) {
        if (votes[i] == most) {
            likely.emplace_back(Languages[i]);
        }
    }
    return likely;
}
