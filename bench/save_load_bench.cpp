#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/quiet_host.h"
#include "savegame/save_game.h"
#include "savegame/save_loader.h"
#include "savegame/saved_game_text.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// Every pair on the board, its two words on neighbouring cells.
GameState GameOfPairs(std::int32_t pairs, GameHost& host) {
    GameState state;
    state.FileDescription = "Benchmark list";
    state.BrowseFileName = "/home/teacher/lists/benchmark.txt";
    for (std::int32_t pair = 0; pair < pairs; ++pair) {
        state.WordList.push_back(
            {"word number " + std::to_string(pair), "its partner " + std::to_string(pair)});
    }
    state.WordsCount = pairs;
    AllocateBoard(state, host);
    for (std::int32_t pair = 0; pair < pairs; ++pair) {
        PlaceTile(state, 2 * pair, pair, 0);
        PlaceTile(state, 2 * pair + 1, pair, 1);
    }
    return state;
}

void SaveToMemory(benchmark::State& run) {
    QuietHost host(1);
    GameState game = GameOfPairs(static_cast<std::int32_t>(run.range(0)), host);
    for (auto _ : run) {
        benchmark::DoNotOptimize(SavedGameText(game, host));
    }
    run.SetComplexityN(run.range(0));
}

void SaveToFile(benchmark::State& run) {
    QuietHost host(1);
    GameState game = GameOfPairs(static_cast<std::int32_t>(run.range(0)), host);
    const TempDir folder;
    const std::string path = (folder.path() / "saved.txt").string();
    for (auto _ : run) {
        if (!WriteSavedGame(game, host, path)) {
            run.SkipWithError("the save failed");
        }
    }
    run.SetComplexityN(run.range(0));
}

void Load(benchmark::State& run) {
    QuietHost host(1);
    GameState game = GameOfPairs(static_cast<std::int32_t>(run.range(0)), host);
    const TempDir folder;
    const std::string path = (folder.path() / "saved.txt").string();
    WriteSavedGame(game, host, path);
    for (auto _ : run) {
        GameState loaded;
        if (!Loadplayedgame(loaded, host, path)) {
            run.SkipWithError("the load failed");
        }
    }
    run.SetComplexityN(run.range(0));
}

} // namespace

BENCHMARK(SaveToMemory)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(SaveToFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
