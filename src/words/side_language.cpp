#include "words/side_language.h"

#include "words/letter_language.h"
#include "words/script_language.h"
#include "words/text_language.h"

SideLanguageGuess GuessSideLanguage(const WordPairList& list, ListSide side) {
    for (std::string guess :
         {GuessLanguageFromScript(list, side), GuessLanguageFromText(list, side)}) {
        if (!guess.empty()) {
            return {std::move(guess), {}};
        }
    }
    std::vector<std::string> likely = GuessLanguagesFromLetters(list, side);
    if (likely.size() == 1) {
        return {likely.front(), {}};
    }
    return {"", std::move(likely)};
}
