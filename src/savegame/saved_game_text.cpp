#include "savegame/saved_game_text.h"

#include "game/game_host.h"
#include "game/game_state.h"
#include "savegame/saved_game_format.h"
#include "savegame/word_pair_index.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr std::string_view LineEnd = "\r\n";

void AddLine(std::string& text, std::string_view line) {
    text += line;
    text += LineEnd;
}

std::string TimeLine(std::time_t now) {
    std::tm utc{};
    if (gmtime_r(&now, &utc) == nullptr) { // a clock beyond the calendar's years
        const std::time_t epoch = 0;
        gmtime_r(&epoch, &utc);
    }
    char line[80];
    std::snprintf(line, sizeof line, "Time %2.2d:%2.2d %2.2d-%2.2d-%4.4d", utc.tm_hour, utc.tm_min,
                  utc.tm_mday, utc.tm_mon + 1, utc.tm_year + 1900);
    return line;
}

bool HasColon(const std::optional<std::string>& word) {
    return word && word->find(':') != std::string::npos;
}

// The loader splits pair lines at colons.
void ReplaceColons(std::optional<std::string>& word) {
    if (word) {
        std::replace(word->begin(), word->end(), ':', '-');
    }
}

constexpr std::string_view MissingWord = "Missing word";

void AddPairLine(std::string& text, GameHost& host, std::int32_t index, WordPair& pair) {
    text += "Index:";
    text += std::to_string(index);
    text += ':';
    ReplaceColons(pair.TextA);
    ReplaceColons(pair.TextB);
    text += pair.TextA.value_or("");
    text += ':';
    AddLine(text, pair.TextB ? std::string_view(*pair.TextB) : MissingWord);
    if (!pair.TextA || !pair.TextB) {
        host.Report(
            GT_TEXT("Message", "Warning there appears to be a missing word\nin the word pairs."));
    }
}

void AddCellLine(std::string& text, const GameState& state, std::int32_t cell) {
    const auto at = static_cast<std::size_t>(cell);
    const std::int32_t pair = state.AssignmentArray[at];
    text += "Array:";
    text += std::to_string(cell);
    if (pair == NoPair) {
        AddLine(text, ":ArrayTop:-1:AB:-1");
        return;
    }
    const std::int32_t index = GetWordPairIndex(state, pair);
    text += ":ArrayTop:";
    text += std::to_string(index);
    text += index == -1 ? " Error not found:AB:" : ":AB:";
    AddLine(text, std::to_string(state.AssignmentAB[at]));
}

// What the game was dealt from, so that loading it finds its list: the list in play, or for a
// game dealt from no list (Today's Review) the saved game itself.
const std::string& GameSource(const GameState& state) {
    return state.ListPath.empty() ? state.RecordFileName : state.ListPath;
}

} // namespace

std::int32_t SavableCellCount(const GameState& state) {
    const auto cells = static_cast<std::size_t>(std::max(state.CellCount, 0));
    const bool arraysHoldCells =
        state.AssignmentArray.size() >= cells && state.AssignmentAB.size() >= cells;
    return arraysHoldCells && state.CellCount > 0 ? state.CellCount : 0;
}

std::string SavedGameText(GameState& state, GameHost& host) {
    std::string text;
    // A guess at usual line lengths, so that a long list is not copied again and again.
    const std::int32_t cells = SavableCellCount(state);
    text.reserve(512 + 48 * state.WordList.size() + 40 * static_cast<std::size_t>(cells));

    AddLine(text, std::string(SavedGameHeader) + state.FileDescription);
    AddLine(text, GameSourceLine);
    AddLine(text, GameSource(state));
    AddLine(text, TimeLine(host.CurrentTime()));
    AddLine(text, "Correct:" + std::to_string(state.CorrectCount));
    AddLine(text, "Wrong:" + std::to_string(state.WrongCount));
    AddLine(text, "Hints:" + std::to_string(state.HintCount));

    AddLine(text, ArrayTopStart);
    // The colons go from the words in play too: the pairs stay who they were for progress.
    if (std::any_of(state.WordList.begin(), state.WordList.end(), [](const WordPair& pair) {
            return HasColon(pair.TextA) || HasColon(pair.TextB);
        })) {
        KeepPairKeys(state.Identity, state.WordList);
    }
    const auto pairs =
        std::min(static_cast<std::size_t>(std::max(state.WordsCount, 0)), state.WordList.size());
    for (std::size_t index = 0; index < pairs; ++index) {
        AddPairLine(text, host, static_cast<std::int32_t>(index), state.WordList[index]);
    }
    AddLine(text, ArrayTopEnd);

    AddLine(text, ArrayIndexStart);
    AddLine(text, "CellCount " + std::to_string(cells));
    for (std::int32_t cell = 0; cell < cells; ++cell) {
        AddCellLine(text, state, cell);
    }
    AddLine(text, ArrayIndexEnd);
    return text;
}

WordPair WordsAsSaved(WordPair pair) {
    ReplaceColons(pair.TextA);
    ReplaceColons(pair.TextB);
    return {pair.TextA.value_or(""), pair.TextB.value_or(std::string(MissingWord))};
}
