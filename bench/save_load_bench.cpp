#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "savegame/save_game.h"
#include "savegame/save_loader.h"
#include "savegame/saved_game_text.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

// A window that shows nothing: the benchmarks measure the files, not the messages.
class SilentHost : public GameHost {
public:
    void ShowMessage(std::string_view) override {}
    void SetTitle(std::string_view) override {}
    void InvalidateAll() override {}
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    void DrawTile(int, int, int, int, const std::string*) override {}
    void DrawWrongMark(int, int) override {}
    void DrawWrongPanel() override {}
    void DrawHintsPanel() override {}
    void DrawRemovedTilesPanel() override {}
    void DrawHintHighlight(bool) override {}
    std::string ChooseFileToOpen() override { return ""; }
    std::string ChooseFileToSave() override { return ""; }
    std::optional<std::string> AskLevelText(std::string_view) override { return std::nullopt; }
    void ShowWordList() override {}
};

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "glossatiles-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

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
    SilentHost host;
    GameState game = GameOfPairs(static_cast<std::int32_t>(run.range(0)), host);
    for (auto _ : run) {
        benchmark::DoNotOptimize(SavedGameText(game, host));
    }
    run.SetComplexityN(run.range(0));
}

void SaveToFile(benchmark::State& run) {
    SilentHost host;
    GameState game = GameOfPairs(static_cast<std::int32_t>(run.range(0)), host);
    const ScratchFolder folder;
    const std::string path = folder.File("saved.txt");
    for (auto _ : run) {
        if (!WriteSavedGame(game, host, path)) {
            run.SkipWithError("the save failed");
        }
    }
    run.SetComplexityN(run.range(0));
}

void Load(benchmark::State& run) {
    SilentHost host;
    GameState game = GameOfPairs(static_cast<std::int32_t>(run.range(0)), host);
    const ScratchFolder folder;
    const std::string path = folder.File("saved.txt");
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
