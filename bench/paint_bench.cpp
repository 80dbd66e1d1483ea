#include "files/media_file.h"
#include "game/deal.h"
#include "game/game_state.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
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

// A list of `pairs` pairs whose every side is a picture of its own, 320 x 240 with grain, as
// photos of a deck are, and a word under it.
struct PictureBoard {
    TempDir folder;
    GameState state;

    explicit PictureBoard(std::int64_t pairs) {
        std::minstd_rand random(2026);
        const auto picture = [&](std::int64_t n) {
            QImage image(320, 240, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    image.setPixel(x, y,
                                   qRgb((x + static_cast<int>(n) * 7) % 256, y,
                                        static_cast<int>(random() % 64)));
                }
            }
            const std::string name = "p" + std::to_string(n) + ".png";
            image.save(QString::fromStdString((folder.path() / name).string()));
            return "[image=" + name + "] " + MadeUpWord(random, Script::Latin);
        };
        for (std::int64_t n = 0; n < pairs; ++n) {
            state.WordList.push_back({picture(2 * n), picture(2 * n + 1)});
        }
        state.WordsCount = static_cast<std::int32_t>(pairs);
        state.ListPath = (folder.path() / "list.txt").string();
        RecordingHost host;
        NewGame(state, host);
    }
};

void UseListFolder(BoardPainter& board) {
    board.SetMediaFinder([](std::string_view reference, MediaKind kind, std::string_view listPath) {
        return UsableMediaPath(reference, kind, listPath).value_or(std::string());
    });
}

// The first paint after a deal, each picture read from its file: the view's, which shows the
// top tiles, or one of every tile, level by level.
void FirstPicturePaint(benchmark::State& run, bool everyTile) {
    const PictureBoard pictures(run.range(0) / 2);
    QImage image(930, 690, QImage::Format_RGB32);
    QPainter painter(&image);
    for (auto _ : run) {
        run.PauseTiming();
        auto board = std::make_unique<BoardPainter>();
        UseListFolder(*board);
        run.ResumeTiming();
        if (!everyTile) {
            board->PaintLevels(painter, pictures.state);
        }
        for (std::int32_t level = 1; everyTile && level <= pictures.state.LevelCount; ++level) {
            board->PaintLevel(painter, pictures.state, level);
        }
        run.PauseTiming();
        board.reset();
        run.ResumeTiming();
    }
}

void FirstPictureRepaint(benchmark::State& run) {
    FirstPicturePaint(run, false);
}

void FirstPaintOfEveryPictureTile(benchmark::State& run) {
    FirstPicturePaint(run, true);
}

// The view's repaint once the pictures are known.
void PictureRepaint(benchmark::State& run) {
    const PictureBoard pictures(run.range(0) / 2);
    QImage image(930, 690, QImage::Format_RGB32);
    QPainter painter(&image);
    BoardPainter board;
    UseListFolder(board);
    for (std::int32_t level = 1; level <= pictures.state.LevelCount; ++level) {
        board.PaintLevel(painter, pictures.state, level);
    }
    for (auto _ : run) {
        board.PaintLevels(painter, pictures.state);
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
// Picture tiles.
BENCHMARK(FirstPictureRepaint)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstPaintOfEveryPictureTile)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(PictureRepaint)->Arg(100)->Unit(benchmark::kMillisecond);

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
