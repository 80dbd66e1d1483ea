#include "view/board/word_fitting.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {
constexpr int FirstHeight = 22;
// 21 and 20 have never been tried: the shrinking has always started over at 19.
constexpr int SecondHeight = 19;
// Smaller is hard to read: a longer text is cut short instead.
constexpr int SmallestHeight = 12;
constexpr int WidestWord = 160;
// What the tile's frame leaves for a wrapped word.
constexpr int TallestWord = 46;
constexpr int MostLines = 3;

QString Piece(const QString& word, qsizetype from, qsizetype to) {
    return word.mid(from, to - from).trimmed();
}

// Where each line starts when lines are filled greedily up to the widest word. A piece between
// two breaks that is wider by itself gets a line of its own.
std::vector<qsizetype> LineStarts(const QString& word, int height) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, word);
    std::vector<qsizetype> starts{0};
    qsizetype end = 0;
    for (qsizetype next = breaks.toNextBoundary(); next > 0; next = breaks.toNextBoundary()) {
        if (end > starts.back() &&
            MeasureText(Piece(word, starts.back(), next), height).width > WidestWord) {
            starts.push_back(end);
        }
        end = next;
    }
    return starts;
}

// The first `count` lines, the last of them running to the word's end.
WordLayout Lines(const QString& word, int height, const std::vector<qsizetype>& starts,
                 std::size_t count) {
    WordLayout layout;
    for (std::size_t line = 0; line < count; ++line) {
        const qsizetype end = line + 1 < count ? starts[line + 1] : word.size();
        layout.lines.push_back(MeasureText(Piece(word, starts[line], end), height));
    }
    return layout;
}

bool Fits(const WordLayout& layout) {
    return std::all_of(layout.lines.begin(), layout.lines.end(),
                       [](const TextRun& line) { return line.width <= WidestWord; });
}

std::size_t RoomForLines(int height) {
    return static_cast<std::size_t>(std::clamp(TallestWord / height, 1, MostLines));
}

} // namespace

int WordLayout::Height() const {
    return lines.empty() ? 0 : static_cast<int>(lines.size()) * lines.front().cellHeight;
}

WordLayout FitWord(const QString& word) {
    std::vector<qsizetype> starts;
    for (int height = FirstHeight; height >= SmallestHeight;
         height = height == FirstHeight ? SecondHeight : height - 1) {
        starts = LineStarts(word, height);
        if (starts.size() <= RoomForLines(height)) {
            WordLayout layout = Lines(word, height, starts, starts.size());
            if (Fits(layout)) {
                return layout;
            }
        }
    }
    WordLayout layout =
        Lines(word, SmallestHeight, starts, std::min(starts.size(), RoomForLines(SmallestHeight)));
    for (TextRun& line : layout.lines) {
        const QFontMetrics& metrics = WordFontMetrics(line.height, line.shaping);
        line = MeasureText(metrics.elidedText(line.text, Qt::ElideRight, WidestWord), line.height);
    }
    return layout;
}
