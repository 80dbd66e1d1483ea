#include "game/play_status_text.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

using enum PlayEventKind;

std::optional<std::string> English(const std::optional<Message>& note) {
    return note ? std::optional(EnglishText(*note)) : std::nullopt;
}

TEST(PlayStatusText, SaysInWordsWhatEachPickDid) {
    GameState state = MakeGame({{"manger", "to eat"}, {"boire", "to drink"}, {"dormir", {}}},
                               {{0, 0, 0}, {1, 0, 1}, {2, 1, 0}, {3, 2, 0}});
    const std::pair<PlayEvent, std::optional<std::string>> cases[] = {
        {{TileSelected, NoPair, 2}, "Selected: boire"},
        {{SelectionCleared, NoPair, 1}, "Deselected: to eat"},
        {{WrongPick, NoPair, 2, 0}, "Wrong: manger is not boire's pair"},
        {{PairMatched, 0, 0, 1}, "Correct: manger = to eat"},
        {{PairHinted, 1, 2, 3}, "Hint: boire = to drink"},
        {{PairAutoRemoved, 2, 3, 4}, "Removed: dormir = "},
        {{Peeked, NoPair, 1}, "Peek: to eat = manger"},
        {{RemovalUndone, 0, 0, 1}, "Undone: manger = to eat"},
        {{RemovalRedone, 1, 2, 3}, "Redone: boire = to drink"},
        {{GameStarted}, ""},
        {{PeekEnded, NoPair, 1}, std::nullopt},
    };
    for (const auto& [event, text] : cases) {
        SCOPED_TRACE(static_cast<int>(event.kind));
        EXPECT_EQ(English(PlayStatusText(state, event)), text);
    }
}

} // namespace
