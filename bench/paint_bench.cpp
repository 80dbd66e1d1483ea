#include "game/deal.h"
#include "game/game_state.h"
#include "support/recording_host.h"
#include "view/board/board_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// Made-up words of 3 to 14 letters, the length of most vocabulary: Latin, or Arabic, whose
// letters the shaper joins.
enum class Script { Latin, Arabic };

std::string MadeUpWord(std::minstd_rand& random, Script script) {
    std::string word;
    for (auto letters = 3 + random() % 12; letters > 0; --letters) {
        if (script == Script::Latin) {
            word += static_cast<char>('a' + random() % 26);
        } else {
            // U+0628 to U+063A, two bytes each
            const auto letter = 0x0628 + random() % 19;
            word += static_cast<char>(0xC0 | (letter >> 6));
            word += static_cast<char>(0x80 | (letter & 0x3F));
        }
    }
    return word;
}

GameState DealtBoard(std::int64_t pairs, Script script = Script::Latin) {
    GameState state;
    std::minstd_rand random(2008);
    for (std::int64_t n = 0; n < pairs; ++n) {
        state.WordList.push_back({MadeUpWord(random, script), MadeUpWord(random, script)});
    }
    state.WordsCount = static_cast<std::int32_t>(pairs);
    RecordingHost host;
    NewGame(state, host);
    return state;
}

// A repaint as the view runs it again and again: pictures, fonts and fitted words are known.
void RepaintLevels(benchmark::State& run, Script script) {
    const GameState state = DealtBoard(run.range(0), script);
    QImage image(930, 690, QImage::Format_RGB32);
    QPainter painter(&image);
    const BoardPainter board;
    board.PaintLevels(painter, state);
    for (auto _ : run) {
        board.PaintLevels(painter, state);
    }
    run.counters["levels"] = state.LevelCount;
}

void RepaintAllLevels(benchmark::State& run) {
    RepaintLevels(run, Script::Latin);
}

void RepaintAllLevelsArabic(benchmark::State& run) {
    RepaintLevels(run, Script::Arabic);
}

// The first repaint after a deal, which measures every word on the board.
void FirstRepaint(benchmark::State& run) {
    const GameState state = DealtBoard(run.range(0));
    QImage image(930, 690, QImage::Format_RGB32);
    QPainter painter(&image);
    for (auto _ : run) {
        run.PauseTiming();
        auto board = std::make_unique<BoardPainter>();
        run.ResumeTiming();
        board->PaintLevels(painter, state);
        run.PauseTiming();
        board.reset();
        run.ResumeTiming();
    }
}

// Every level painted whole from the bottom up, for comparison.
void RepaintBottomUp(benchmark::State& run) {
    const GameState state = DealtBoard(run.range(0));
    QImage image(930, 690, QImage::Format_RGB32);
    QPainter painter(&image);
    const BoardPainter board;
    for (auto _ : run) {
        for (std::int32_t level = state.LevelCount; level >= 1; --level) {
            board.PaintLevel(painter, state, level);
        }
    }
}

// Above 32,768 pairs the list has more words than the cache's usual room.
BENCHMARK(RepaintAllLevels)
    ->Arg(40)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintAllLevelsArabic)->Arg(40)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstRepaint)->Arg(40)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintBottomUp)->Arg(40)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

// Fonts need a GUI application; the offscreen platform needs no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
