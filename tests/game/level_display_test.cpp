#include "game/level_display.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

using Command = void (*)(GameState&, GameHost&);
using Seen = std::vector<std::pair<int, int>>;

// Runs the commands in turn and notes DisplayedLevel and the repaint count after each.
Seen RunCommands(PlayBoard& board, std::initializer_list<Command> commands) {
    Seen seen;
    for (const Command command : commands) {
        command(board.state, board.host);
        seen.emplace_back(board.state.DisplayedLevel, board.host.invalidations);
    }
    return seen;
}

TEST(LevelDisplay, StepsStopAtTheBottomAndAtAllLevels) {
    PlayBoard board(11); // three levels
    EXPECT_EQ(RunCommands(board, {NextLevelDown, NextLevelDown, NextLevelDown, NextLevelDown}),
              (Seen{{1, 1}, {2, 2}, {3, 3}, {3, 3}}));
    EXPECT_EQ(RunCommands(board, {NextLevelUp, NextLevelUp, NextLevelUp, NextLevelUp, NextLevelUp}),
              (Seen{{2, 4}, {1, 5}, {0, 6}, {0, 6}, {0, 6}}));
    EXPECT_EQ(RunCommands(board, {ShowAllLevels, NextLevelDown, NextLevelDown, ShowAllLevels}),
              (Seen{{0, 6}, {1, 7}, {2, 8}, {0, 9}}));
}

TEST(LevelDisplay, DrawLevelReadsTheLeadingNumber) {
    const std::pair<std::optional<std::string>, int> answers[] = {
        {" 2abc", 2}, {"abc", 0}, {"-4", -4}, {"+3", 3}, {"9", 9}, {"1", 1}, {std::nullopt, 1}};
    for (const auto& [answer, level] : answers) {
        PlayBoard board(11);
        board.state.DisplayedLevel = 1;
        board.host.levelTexts.push_back(answer);
        DrawLevel(board.state, board.host);
        EXPECT_EQ(board.host.levelPrompts, (std::vector<std::string>{"1"}));
        EXPECT_EQ(board.state.DisplayedLevel, level) << answer.value_or("cancel");
        EXPECT_EQ(board.host.invalidations, level == 1 ? 0 : 1);
    }
}

TEST(LevelDisplay, NegativeLevelNeedsOnePressPerStepDown) {
    PlayBoard board(11);
    board.host.levelTexts.push_back("-4");
    DrawLevel(board.state, board.host);
    DrawLevel(board.state, board.host);
    EXPECT_EQ(board.host.levelPrompts, (std::vector<std::string>{"0", "-4"}));
    EXPECT_EQ(RunCommands(board, {NextLevelUp, ShowAllLevels}), (Seen{{-4, 1}, {-4, 1}}));
    EXPECT_EQ(RunCommands(board, {NextLevelDown, NextLevelDown, NextLevelDown, NextLevelDown,
                                  NextLevelDown}),
              (Seen{{-3, 2}, {-2, 3}, {-1, 4}, {0, 5}, {1, 6}}));
}

} // namespace
