#include "game/hit_test.h"
#include "game/peek.h"
#include "game/pick.h"
#include "game/undo.h"
#include "support/games.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Draw = RecordingHost::TileDraw;

// One level, row 4: pair 0 at columns 1 and 3, pair 1 at columns 2 and 4, column 5 empty.
struct OneLevelBoard : PlayBoard {
    OneLevelBoard() : PlayBoard(2) {
        Put(0, 0, 1, 1, 4);
        Put(1, 0, 1, 2, 4);
        Put(0, 1, 1, 3, 4);
        Put(1, 1, 1, 4, 4);
    }
};

// A peek shows the hidden word in the tile's selection state, and its release restores the tile.
TEST(Pick, FirstPickSelectsTheTopTileAPeekKeepsItAndASecondPressDeselects) {
    OneLevelBoard board;
    board.PressAt(3, 4);
    EXPECT_EQ(std::pair(board.state.SelectedCol, board.state.SelectedRow), std::pair(3, 4));
    RightButtonDown(board.state, board.host, PixelX(3), PixelY(4));
    RightButtonUp(board.state, board.host);
    EXPECT_EQ(std::pair(board.state.MouseDownX, board.state.MouseDownY), std::pair(0, 0));
    board.PressAt(3, 4);
    EXPECT_FALSE(board.state.HasSelection());
    EXPECT_EQ(
        board.host.tiles,
        (std::vector<Draw>{
            {1, 3, 4, 1, "b0"}, {1, 3, 4, 1, "= a0"}, {1, 3, 4, 1, "b0"}, {0, 3, 4, 1, "b0"}}));
    EXPECT_EQ(board.state.CorrectCount + board.state.WrongCount, 0);
}

TEST(Pick, PressesThatReachNoTileChangeNothing) {
    const std::pair<int, int> presses[] = {{10, PixelY(4)},
                                           {911, PixelY(4)},
                                           {PixelX(2), 570},
                                           {PixelX(2), PixelY(1)},
                                           {PixelX(5), PixelY(4)}};
    for (const auto& [x, y] : presses) {
        SCOPED_TRACE(testing::Message() << x << "," << y);
        OneLevelBoard board;
        board.Press(x, y);
        EXPECT_FALSE(board.state.HasSelection());
        board.PressAt(1, 4);
        board.Press(x, y);
        EXPECT_EQ(board.state.SelectedCol, 1);
        EXPECT_EQ(board.state.CorrectCount + board.state.WrongCount, 0);
        EXPECT_EQ(board.host.tiles.size(), 1u);
        EXPECT_TRUE(board.host.wrongMarks.empty());
    }
}

TEST(Pick, MatchRemovesThePairAndUncoversTheTilesBelow) {
    PlayBoard board(3);
    board.state.WordList[0].TextA = std::string(400, 'x');
    const std::int32_t top = board.Put(0, 1, 1, 2, 4);
    const std::int32_t other = board.Put(0, 0, 2, 3, 3);
    board.Put(1, 0, 2, 2, 4);
    board.Put(1, 1, 2, 5, 5);
    board.PressAt(2, 4);
    board.PressAt(3, 3);
    EXPECT_EQ(board.state.CorrectCount, 1);
    EXPECT_EQ(board.state.LastRemovedTextA, std::string(MaxTextLength, 'x'));
    EXPECT_EQ(board.state.LastRemovedTextB, "b0");
    EXPECT_EQ(std::pair(board.state.AssignmentArray[top], board.state.AssignmentArray[other]),
              std::pair(NoPair, NoPair));
    EXPECT_FALSE(board.state.HasSelection());
    EXPECT_EQ(board.host.invalidations, 1);
    board.PressAt(2, 4);
    EXPECT_EQ(board.host.tiles.back(), (Draw{1, 2, 4, 2, "a1"}));
}

TEST(Pick, WrongPickIsMarkedUntilReleaseAndKeepsTheSelection) {
    OneLevelBoard board;
    board.PressAt(1, 4);
    board.PressAt(2, 4);
    EXPECT_EQ(board.host.wrongMarks, (std::vector<std::pair<int, int>>{{2, 4}}));
    EXPECT_EQ(board.state.WrongCount, 1);
    EXPECT_EQ(board.host.wrongPanelDraws, 1);
    EXPECT_EQ(board.state.SelectedCol, 1);
    LeftButtonUp(board.state, board.host);
    LeftButtonUp(board.state, board.host); // nothing left to restore
    EXPECT_EQ(board.host.tiles, (std::vector<Draw>{{1, 1, 4, 1, "a0"}, {0, 2, 4, 1, "a1"}}));
    EXPECT_FALSE(board.state.HasWrongMark());
    board.PressAt(3, 4);
    EXPECT_EQ(std::pair(board.state.CorrectCount, board.state.WrongCount), std::pair(1, 1));
}

TEST(Pick, PressWhileOneLevelIsShownShowsAllLevelsAndPicks) {
    OneLevelBoard board;
    board.state.DisplayedLevel = 1;
    board.PressAt(4, 4);
    EXPECT_EQ(board.state.DisplayedLevel, 0);
    EXPECT_EQ(board.host.invalidations, 1);
    EXPECT_EQ(board.state.SelectedCol, 4);
}

TEST(HitTest, BoundsAreExclusiveAtTheLeftAndTopAndInclusiveAtTheRightAndBottom) {
    const GameState state;
    // x, y, column, row; 0 for outside the grid
    const int cases[][4] = {{10, 300, 0, 3},  {11, 300, 1, 3},  {190, 300, 1, 3}, {191, 300, 2, 3},
                            {910, 300, 5, 3}, {911, 300, 0, 3}, {-5, 300, 0, 3},  {300, 100, 2, 0},
                            {300, 101, 2, 1}, {300, 167, 2, 1}, {300, 168, 2, 2}, {300, 569, 2, 7},
                            {300, 570, 2, 0}, {300, 0, 2, 0}};
    for (const auto& [x, y, column, row] : cases) {
        EXPECT_EQ(HitTest(state, x, y), (BoardPosition{column, row})) << x << "," << y;
    }
}

// Presses beside the board or on an empty position show and count nothing. The cut keeps
// UTF-8 characters whole: 'y' and 144 two-byte letters make 289 bytes.
TEST(Peek, ShowsTheHiddenWordCutTo290BytesOnAWholeCharacterAndCountsEveryPeek) {
    PlayBoard board(3); // two levels
    std::string hidden = "y";
    for (int i = 0; i < 200; ++i) {
        hidden += "\xC3\xA9";
    }
    board.state.WordList[1].TextB = hidden;
    board.Put(0, 0, 1, 1, 4);
    board.Put(0, 1, 2, 2, 3);
    board.Put(1, 0, 2, 4, 4);
    for (const auto& [column, row] : {std::pair{1, 4}, {2, 3}, {2, 3}, {4, 4}, {0, 4}, {5, 4}}) {
        RightButtonDown(board.state, board.host, PixelX(column), PixelY(row));
    }
    EXPECT_EQ(board.state.MouseDownX, 0); // a press on no tile is forgotten
    RightButtonUp(board.state, board.host);
    EXPECT_EQ(board.host.tiles, (std::vector<Draw>{{0, 1, 4, 1, "= b0"},
                                                   {0, 2, 3, 2, "= a0"},
                                                   {0, 2, 3, 2, "= a0"},
                                                   {0, 4, 4, 2, "= " + hidden.substr(0, 289)}}));
    EXPECT_EQ(board.state.HintCount, 4);
    EXPECT_EQ(board.host.hintsPanelDraws, 4);
}

} // namespace

// Each step of play is told to the host once, after it happened, naming its tiles.
TEST(Pick, EveryStepOfPlayIsToldToTheHostWithItsTiles) {
    OneLevelBoard board;
    const std::int32_t a0 = CellIndex(1, 1, 4), a1 = CellIndex(1, 2, 4), b0 = CellIndex(1, 3, 4);
    board.PressAt(1, 4);
    board.PressAt(1, 4);
    board.PressAt(1, 4);
    board.PressAt(2, 4);
    LeftButtonUp(board.state, board.host);
    RightButtonDown(board.state, board.host, PixelX(2), PixelY(4));
    RightButtonUp(board.state, board.host);
    board.PressAt(3, 4);
    std::vector<std::array<std::int32_t, 4>> told;
    for (const PlayEvent& event : board.host.events) {
        told.push_back(
            {static_cast<std::int32_t>(event.kind), event.pair, event.firstCell, event.secondCell});
    }
    using K = PlayEventKind;
    const auto at = [](K kind, std::int32_t pair, std::int32_t first, std::int32_t second = -1) {
        return std::array<std::int32_t, 4>{static_cast<std::int32_t>(kind), pair, first, second};
    };
    EXPECT_EQ(told, (std::vector{at(K::TileSelected, -1, a0), at(K::SelectionCleared, -1, a0),
                                 at(K::TileSelected, -1, a0), at(K::WrongPick, -1, a0, a1),
                                 at(K::Peeked, -1, a1), at(K::PeekEnded, -1, a1),
                                 at(K::PairMatched, 0, a0, b0)}));
}

// Tiles whose words are the halves of one entry match across entries with equal words; the
// swap leaves the other tiles as an entry of their own, and Undo puts back what was on the board.
TEST(Pick, EqualWordsOfAnotherEntryMatch) {
    struct Case {
        const char* name;
        WordPairList list;
        std::array<int, 2> firstTile;  // pair, side at column 1
        std::array<int, 2> secondTile; // pair, side at column 2
        bool matches;
    };
    const Case cases[] = {
        {"repeated pair",
         {{"la pasta", "the pasta"}, {"la pasta", "the pasta"}},
         {0, 0},
         {1, 1},
         true},
        {"one translation", {{"banco", "bank"}, {"orilla", "bank"}}, {0, 0}, {1, 1}, true},
        {"translation first", {{"banco", "bank"}, {"orilla", "bank"}}, {1, 1}, {0, 0}, true},
        {"other words", {{"banco", "bank"}, {"orilla", "shore"}}, {0, 0}, {1, 1}, false},
        {"same side",
         {{"la pasta", "the pasta"}, {"la pasta", "the pasta"}},
         {0, 0},
         {1, 0},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayBoard board(0);
        board.state = MakeGame(c.list);
        const std::int32_t first = board.Put(c.firstTile[0], c.firstTile[1], 1, 1, 4);
        const std::int32_t second = board.Put(c.secondTile[0], c.secondTile[1], 1, 2, 4);
        const std::int32_t third = board.Put(c.firstTile[0], 1 - c.firstTile[1], 1, 3, 4);
        const std::int32_t fourth = board.Put(c.secondTile[0], 1 - c.secondTile[1], 1, 4, 4);
        const std::vector<std::int32_t> dealt = board.state.AssignmentArray;
        board.PressAt(1, 4);
        board.PressAt(2, 4);
        EXPECT_EQ(board.state.CorrectCount, c.matches ? 1 : 0);
        EXPECT_EQ(board.state.WrongCount, c.matches ? 0 : 1);
        if (!c.matches) {
            EXPECT_EQ(board.state.AssignmentArray, dealt);
            continue;
        }
        EXPECT_EQ(board.state.AssignmentArray[first], NoPair);
        EXPECT_EQ(board.state.AssignmentArray[second], NoPair);
        EXPECT_EQ(board.state.AssignmentArray[third], board.state.AssignmentArray[fourth]);
        EXPECT_NE(board.state.AssignmentAB[third], board.state.AssignmentAB[fourth]);
        board.PressAt(3, 4);
        board.PressAt(4, 4);
        EXPECT_EQ(board.state.CorrectCount, 2);
        ASSERT_TRUE(UndoRemoval(board.state, board.host));
        ASSERT_TRUE(UndoRemoval(board.state, board.host));
        for (const std::int32_t cell : {first, second, third, fourth}) {
            EXPECT_NE(board.state.AssignmentArray[cell], NoPair);
        }
    }
}
