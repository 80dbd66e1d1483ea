#include "game/deal.h"
#include "game/game_host.h"
#include "game/game_state.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class QuietHost : public GameHost {
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
    std::string ChooseFileToOpen() override { return {}; }
    std::string ChooseFileToSave() override { return {}; }
    std::optional<std::string> AskLevelText(std::string_view) override { return {}; }
    void ShowWordList() override {}
    std::uint32_t RandomSeed() override { return 20261206; }
};

GameState StateWithPairs(std::int64_t count) {
    GameState state;
    for (std::int64_t i = 0; i < count; ++i) {
        state.WordList.push_back({"word" + std::to_string(i), "translation" + std::to_string(i)});
    }
    state.WordsCount = static_cast<std::int32_t>(count);
    return state;
}

template <DealOutcome (*Deal)(GameState&, GameHost&)> void BM_Deal(benchmark::State& bench) {
    GameState state = StateWithPairs(bench.range(0));
    QuietHost host;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(Deal(state, host));
    }
    bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}

BENCHMARK(BM_Deal<NewGame>)->Name("NewGame")->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Deal<NewGameUnblocked>)
    ->Name("NewGame3")
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace
