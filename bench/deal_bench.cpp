#include "game/deal.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/quiet_host.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

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
    QuietHost host(1);
    for (auto _ : bench) {
        if (Deal(state, host) != DealOutcome::Complete) {
            bench.SkipWithError("the deal left pairs unplaced");
            break;
        }
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
