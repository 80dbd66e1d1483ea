#include "savegame/save_loader.h"

#include "game/allocate_board.h"
#include "game/auto_play.h"
#include "game/board_geometry.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/leading_number.h"
#include "game/long_path.h"
#include "savegame/saved_game_format.h"
#include "words/line_reader.h"
#include "words/out_of_memory.h"
#include "words/text_file.h"
#include "words/window_title.h"

#include <new>
#include <optional>

namespace {

// Reads one trimmed line, or nothing once the end of the file has been met.
std::optional<std::string> NextLine(LineReader& reader) {
    if (reader.AtEnd()) {
        return std::nullopt;
    }
    std::string line = reader.ReadPiece();
    TrimLine(line);
    return line;
}

// A line quoted back to the user is cut like every other text of the game.
Message Unexpected(std::string_view line, std::string_view expected) {
    return {GT_TEXT("Message", "%1\nread from file.\nExpected '%2'\n\nClick Ok to continue."),
            {CutText(line), std::string(expected)}};
}

std::int32_t ReadCounter(LineReader& reader, GameHost& host, std::string_view keyword) {
    const std::optional<std::string> line = NextLine(reader);
    if (!line) {
        return 0;
    }
    if (!line->starts_with(keyword)) {
        host.Report(Unexpected(*line, keyword));
        return 0;
    }
    return ReadLeadingNumber(std::string_view(*line).substr(line->rfind(':') + 1));
}

// Reads lines until one is exactly `banner`. False when the end of the file was met, also
// when the banner was the last line.
bool SkipToBanner(LineReader& reader, std::string_view banner) {
    while (std::optional<std::string> line = NextLine(reader)) {
        if (*line == banner) {
            break;
        }
    }
    return !reader.AtEnd();
}

// Cuts `line` at its last ':' and gives what followed; nullopt when it has no ':'.
std::optional<std::string> CutAtLastColon(std::string& line) {
    const std::size_t colon = line.rfind(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    std::string after = line.substr(colon + 1);
    line.resize(colon);
    return after;
}

constexpr std::string_view PairPrefix = "Index:";
constexpr std::string_view CellPrefix = "Array:";

// False when memory ran out (reported); the pairs read before stay.
bool ReadPairs(LineReader& reader, GameState& state, GameHost& host) {
    while (std::optional<std::string> line = NextLine(reader)) {
        if (line->empty() || !line->starts_with(PairPrefix)) {
            break;
        }
        try {
            state.WordList.emplace_back();
        } catch (const std::bad_alloc&) {
            host.Report(OutOfMemoryReadingNode);
            return false;
        }
        WordPair& pair = state.WordList.back();
        try {
            pair.TextB = CutAtLastColon(*line);
        } catch (const std::bad_alloc&) {
            state.WordList.pop_back();
            host.Report(OutOfMemoryReadingTextB);
            return false;
        }
        try {
            const std::size_t colon = line->rfind(':');
            pair.TextA =
                colon == std::string::npos ? std::string("Missing TextA") : line->substr(colon + 1);
        } catch (const std::bad_alloc&) {
            state.WordList.pop_back();
            host.Report(OutOfMemoryReadingTextA);
            return false;
        }
        ++state.WordsCount;
    }
    return true;
}

// A damaged file may name unknown pairs on thousands of lines: the first few are reported one
// by one, the rest together.
constexpr int ReportedUnknownPairs = 3;

// True when the line names a pair that is not in the list; reported when `report` is set.
bool ReadCell(GameState& state, GameHost& host, std::string& line, std::int32_t cell, bool report) {
    const std::optional<std::string> side = CutAtLastColon(line);
    const std::int32_t sideValue = side ? ReadLeadingNumber(*side) : 0;
    state.AssignmentAB[static_cast<std::size_t>(cell)] = sideValue;
    CutAtLastColon(line);
    const std::optional<std::string> pairText = CutAtLastColon(line);
    if (!pairText) {
        return false;
    }
    const std::int32_t pair = ReadLeadingNumber(*pairText);
    if (pair == -1) {
        return false;
    }
    if (pair < 0 || pair >= state.WordsCount) {
        if (report) {
            GetWordPairPointer(state.WordList, host, pair);
            host.Report({GT_TEXT("Message", "Possible odd number of words in function "
                                            "Loadplayedgame %1\nGetWordPairPointer returned NULL"),
                         {std::to_string(pair)}});
        }
        return true;
    }
    PlaceTile(state, cell, pair, sideValue);
    return false;
}

// The number of cell lines read.
std::int32_t ReadCells(LineReader& reader, GameState& state, GameHost& host) {
    std::int32_t cell = 0;
    int unknownPairs = 0;
    while (std::optional<std::string> line = NextLine(reader)) {
        if (line->empty() || !line->starts_with(CellPrefix)) {
            break;
        }
        // Lines beyond the board's last cell have no cell to go to.
        if (cell < state.CellCount &&
            ReadCell(state, host, *line, cell, unknownPairs < ReportedUnknownPairs)) {
            ++unknownPairs;
        }
        ++cell;
    }
    if (unknownPairs > ReportedUnknownPairs) {
        host.Report({GT_TEXT("Message", "%1 more cell lines name word pairs that are not in the "
                                        "file.\nTheir cells are left empty."),
                     {std::to_string(unknownPairs - ReportedUnknownPairs)}});
    }
    return cell;
}

constexpr std::string_view CellCountPrefix = "CellCount";

// The number the CellCount line gives, or nullopt when the line is not there.
std::optional<std::int32_t> ReadCellCount(LineReader& reader) {
    const std::optional<std::string> line = NextLine(reader);
    if (!line || !line->starts_with(CellCountPrefix)) {
        return std::nullopt;
    }
    return ReadLeadingNumber(std::string_view(*line).substr(CellCountPrefix.size()));
}

} // namespace

void LoadSavedGame(GameState& state, GameHost& host) {
    Loadplayedgame(state, host, "");
}

bool Loadplayedgame(GameState& state, GameHost& host, const std::string& path) {
    const std::string chosen = path.empty() ? host.ChooseFileToOpen() : path;
    if (RefuseLongPath(host, chosen)) {
        return false;
    }
    if (chosen.empty()) {
        ForgetChosenFile(state);
        return false;
    }
    FileHandle file = OpenTextFile(chosen, host);
    if (!file) {
        return false;
    }
    GameState next = NextGameState(state);
    ResetView(next);
    next.BrowseFileName = chosen;
    // Saved games are read line by line whatever the length, so that long words written by
    // the game load back whole.
    LineReader reader(file.get(), LineReader::WholeLines);
    try {
        if (!ReadSavedGame(reader, next, host)) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        // A line too long for memory.
        host.Report(OutOfMemoryReadingNode);
        return false;
    }
    // Play stops only now: a load that fails leaves the game in play running as it was.
    state = std::move(next);
    StopAutomaticPlay(state, host);
    state.ListPath = state.BrowseFileName.empty() ? chosen : state.BrowseFileName;
    // Save writes back to the file the title names.
    state.RecordFileName = chosen;
    host.SetTitle(WindowTitle(chosen));
    host.Report({GT_TEXT("Message", "Loaded file OK\n\nOringinal game was started from file\n%1"),
                 {state.BrowseFileName}});
    host.InvalidateAll();
    host.OnPlayEvent({PlayEventKind::GameStarted});
    return true;
}

bool ReadSavedGame(LineReader& reader, GameState& state, GameHost& host) {
    std::optional<std::string> line = NextLine(reader);
    if (line && line->size() > SavedGameHeader.size() && line->starts_with(SavedGameHeader)) {
        state.FileDescription = CutText(std::string_view(*line).substr(SavedGameHeader.size()));
    } else {
        state.FileDescription = "FileDescription not available";
    }

    line = NextLine(reader);
    if (line && *line != GameSourceLine) {
        host.Report(Unexpected(*line, GameSourceLine));
    }
    line = NextLine(reader);
    if (line) {
        state.BrowseFileName = CutText(*line);
        if (line->empty()) {
            host.Report(GT_TEXT("Message", "Expected a game source file name\nbut it is "
                                           "missing.\n\nClick Ok to continue."));
        }
    }
    if (!reader.AtEnd()) {
        reader.ReadPiece(); // the time of saving is not needed
    }
    const std::int32_t correct = ReadCounter(reader, host, "Correct:");
    const std::int32_t wrong = ReadCounter(reader, host, "Wrong:");
    const std::int32_t hints = ReadCounter(reader, host, "Hints:");

    if (!SkipToBanner(reader, ArrayTopStart)) {
        host.Report(GT_TEXT("Message", "Unable to find ArrayTop section in file.\n\nThis file "
                                       "does not appear to be a valid Glossatiles saved game."));
        return false;
    }
    if (!ReadPairs(reader, state, host)) {
        return false;
    }
    if (AllocateBoard(state, host) != 0) {
        host.Report(GT_TEXT("Message", "Error: Cant create AssignmentArrays"));
        return false;
    }
    state.CorrectCount = correct;
    state.WrongCount = wrong;
    state.HintCount = hints;
    if (state.CellCount < 1 || state.WordsCount < 1) {
        host.Report(
            GT_TEXT("Message", "Error: Something went wrong\n\nWordsCount or CellCount is zero."));
        return false;
    }
    if (reader.AtEnd() || !SkipToBanner(reader, ArrayIndexStart)) {
        host.Report(GT_TEXT("Message", "Unable to find ArrayIndex section in file.\n\nThis file "
                                       "does not appear to be a valid Glossatiles saved game."));
        return false;
    }
    // The board's size follows from the pairs; the CellCount line only tells whether cell
    // lines are missing.
    const std::optional<std::int32_t> promised = ReadCellCount(reader);
    const std::int32_t read = ReadCells(reader, state, host);
    if (promised && *promised > read) {
        host.Report({GT_TEXT("Message", "The saved game ends early: %1 of its %2 cells are "
                                        "missing.\nTheir tiles are not on the board."),
                     {std::to_string(*promised - read), std::to_string(*promised)}});
    }
    state.DisplayedLevel = 0;
    return true;
}
