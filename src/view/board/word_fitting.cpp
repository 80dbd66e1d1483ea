#include "view/board/word_fitting.h"

#include <utility>

namespace {
constexpr int FirstHeight = 22;
// 21 and 20 have never been tried: the shrinking has always started over at 19.
constexpr int SecondHeight = 19;
constexpr int SmallestHeight = 6;
constexpr int WidestWord = 160;
} // namespace

TextRun FitWordFont(QString word) {
    TextRun run = MeasureText(std::move(word), FirstHeight);
    for (int height = SecondHeight; run.width > WidestWord && height >= SmallestHeight; --height) {
        run = MeasureText(std::move(run.text), height);
    }
    return run;
}
