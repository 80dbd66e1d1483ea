#include "cli/game_summary.h"

#include "files/media_file.h"
#include "game/board_geometry.h"
#include "game/game_state.h"

#include <algorithm>
#include <vector>

int FreePairCount(const GameState& state) {
    std::vector<std::int32_t> topPairs;
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            const std::int32_t cell = TopCellAt(state, column, row);
            if (cell >= 0) {
                topPairs.push_back(state.AssignmentArray[static_cast<std::size_t>(cell)]);
            }
        }
    }
    std::sort(topPairs.begin(), topPairs.end());
    int free = 0;
    for (std::size_t i = 1; i < topPairs.size(); ++i) {
        free += topPairs[i] == topPairs[i - 1] ? 1 : 0;
    }
    return free;
}

std::string GameSummary(const GameState& state) {
    const auto tiles = std::count_if(state.AssignmentArray.begin(), state.AssignmentArray.end(),
                                     [](std::int32_t pair) { return pair != NoPair; });
    const bool board = state.HasBoard();
    std::string summary;
    auto line = [&summary](const char* key, const std::string& value) {
        summary += std::string(key) + ": " + value + "\n";
    };
    line("description", state.FileDescription);
    line("source", state.BrowseFileName);
    line("pairs", std::to_string(state.WordsCount));
    line("levels", std::to_string(board ? state.LevelCount : 0));
    line("cells", std::to_string(board ? state.CellCount : 0));
    line("tiles", std::to_string(tiles));
    line("free-pairs", std::to_string(FreePairCount(state)));
    line("correct", std::to_string(state.CorrectCount));
    line("wrong", std::to_string(state.WrongCount));
    line("hints", std::to_string(state.HintCount));
    const MediaCounts media = CountMedia(state.WordList, state.ListPath);
    line("pictures", std::to_string(media.pictures));
    line("sounds", std::to_string(media.sounds));
    line("notes", std::to_string(media.notes));
    if (media.missing > 0) {
        line("missing-media", std::to_string(media.missing));
    }
    return summary;
}
