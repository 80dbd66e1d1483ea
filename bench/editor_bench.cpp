#include "app/lists/editor_prompter.h"
#include "app/lists/word_list_editor.h"
#include "view/dialogs/word_list_model.h"
#include "view/dialogs/word_table.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <random>

namespace {

WordPairList MadeUpList(std::int64_t pairs) {
    std::minstd_rand random(2026);
    const auto word = [&random] {
        std::string text;
        for (auto letters = 3 + random() % 12; letters > 0; --letters) {
            text += static_cast<char>('a' + random() % 26);
        }
        return text;
    };
    WordPairList list;
    for (std::int64_t n = 0; n < pairs; ++n) {
        list.push_back({word(), word()});
    }
    return list;
}

// From the list in memory to the editor on screen with its rows checked and laid out.
void BM_OpenListInEditor(benchmark::State& state) {
    const WordPairList list = MadeUpList(state.range(0));
    for (auto _ : state) {
        WordListEditor editor(QString(), {}, "Made-up words", list, {},
                              std::make_unique<QtEditorPrompter>());
        editor.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.Model().rowCount());
    }
}
BENCHMARK(BM_OpenListInEditor)->Arg(10000)->Unit(benchmark::kMillisecond);

// Scrolling a page at a time through the whole list.
void BM_ScrollEditor(benchmark::State& state) {
    WordListEditor editor(QString(), {}, "Made-up words", MadeUpList(state.range(0)), {},
                          std::make_unique<QtEditorPrompter>());
    editor.show();
    QApplication::processEvents();
    QScrollBar* bar = editor.Table().verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(
            bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        editor.Table().viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollEditor)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
