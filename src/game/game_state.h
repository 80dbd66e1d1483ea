#pragma once

#include "game/pair_key.h"
#include "game/random_source.h"
#include "game/removal_history.h"
#include "words/list_languages.h"
#include "words/list_reading.h"
#include "words/word_pair.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr int AutoTimerId = 1;
inline constexpr int HintTimerId = 2;
inline constexpr int HintDuration = 2000;
inline constexpr int FastAutoInterval = 100;
inline constexpr int SlowAutoInterval = 1000;
inline constexpr int StandardBoardTop = 100;

// Texts the game keeps for display and saving hold at most this many bytes.
inline constexpr std::size_t MaxTextLength = 299;

// An AssignmentArray entry of a cell that holds no tile.
inline constexpr std::int32_t NoPair = -1;

// Everything that makes up a game. Cells name their pair by its position in WordList.
struct GameState {
    std::int32_t AutoCell1 = 0;
    std::int32_t AutoCell2 = 0;
    std::int32_t HintCol2 = 0;
    std::int32_t HintRow2 = 0;
    std::int32_t HintCol1 = 0;
    std::int32_t HintRow1 = 0;
    bool AutoRemovePending = false;
    // Where the game is saved: Save writes there, and asks for a file while it is empty.
    std::string RecordFileName;
    std::string LastRemovedTextB;
    std::string LastRemovedTextA;
    std::int32_t HintCount = 0;
    std::int32_t WrongCount = 0;
    std::int32_t CorrectCount = 0;
    // Undos of this game; like the other counters it only goes up.
    std::int32_t UndoCount = 0;
    RemovalHistory History;
    // A note tells that no pair is free.
    bool NoFreePairNoted = false;
    std::int32_t WrongMarkRow = 0;
    std::int32_t WrongMarkCol = 0;
    std::int32_t SelectedCol = 0;
    std::int32_t SelectedRow = 0;
    std::int32_t MouseDownX = 0;
    std::int32_t MouseDownY = 0;
    std::int32_t WordsCount = 0;
    std::int32_t CellCount = 0;
    // Per cell the pair shown there, or NoPair. Both arrays are empty while there is no board.
    std::vector<std::int32_t> AssignmentArray;
    // Per cell 0 when the tile shows TextA, anything else when it shows TextB.
    std::vector<std::int32_t> AssignmentAB;
    std::int32_t LevelCount = 0;
    std::string FileDescription;
    WordPairList WordList;
    // The file chosen last: by File > Open, or after a load the list the saved game names;
    // empty after a cancelled chooser.
    std::string BrowseFileName;
    ListLanguages Languages;
    // The list in play, taken when it was opened or loaded: what its progress, its speech
    // languages and its typing direction are kept under, and what a saved game names as its
    // source. A cancelled chooser leaves it. Empty for a game dealt from no list (Today's
    // Review).
    std::string ListPath;
    // How the list was read from ListPath, so that it can be read again the same way; nullopt
    // when it was not read from there (a saved game's copy, Today's Review).
    std::optional<ListReading> Reading;
    GameIdentity Identity;

    std::int32_t BoardTop = StandardBoardTop;
    // 0 or less: all levels are shown; n: level n is shown alone.
    std::int32_t DisplayedLevel = 0;
    std::int32_t AutoInterval = FastAutoInterval;
    RandomSource Random;
    // Per position (column-major) the first level that may hold a tile; see TopCellAt.
    mutable std::array<std::int32_t, 35> TopProbeStart{};

    bool HasBoard() const { return !AssignmentArray.empty(); }
    bool HasSelection() const { return SelectedCol != 0 && SelectedRow != 0; }
    bool HasWrongMark() const { return WrongMarkCol != 0 || WrongMarkRow != 0; }
};

// No selection, no pending press, all levels shown, the board at its usual place: how opening
// a file or loading a game starts.
void ResetView(GameState& state);

// The state a file is read into before it replaces the game in play: the fields that outlive a
// game are the current one's; the word list, its languages, the board, the counters and the
// removal history start empty.
GameState NextGameState(const GameState& current);

// Every tile has been removed: the game is over, or no board was ever dealt.
bool NoTileLeft(const GameState& state);

// A cancelled file chooser: the view starts afresh and the chosen path is forgotten.
void ForgetChosenFile(GameState& state);

// Adds one to a counter; a loaded game may hold the largest value already.
inline void CountOne(std::int32_t& counter) {
    if (counter < INT32_MAX) {
        ++counter;
    }
}

// The first MaxTextLength bytes of text, ending on a whole character: how every 300-byte text
// of the game is filled.
std::string CutText(std::string_view text);
