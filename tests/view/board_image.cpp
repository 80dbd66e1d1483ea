#include "board_image.h"

#include "game/deal.h"
#include "support/recording_host.h"

QImage ErasedClient() {
    QImage image(930, 690, QImage::Format_RGB32);
    image.fill(Erased);
    return image;
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

int CountDark(const QImage& image, const QRect& area) {
    return CountPixels(image, area, [](QRgb pixel) {
        return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
    });
}

GameState DealtGame(std::vector<WordPair> list) {
    GameState state;
    state.WordsCount = static_cast<std::int32_t>(list.size());
    state.WordList.assign(list.begin(), list.end());
    RecordingHost host;
    host.seed = 4711;
    NewGame(state, host);
    return state;
}

GameState DealtGame(int pairs) {
    std::vector<WordPair> list;
    for (int n = 0; n < pairs; ++n) {
        list.push_back({"a" + std::to_string(n), "b" + std::to_string(n)});
    }
    return DealtGame(std::move(list));
}

QRgb LevelFace(std::int32_t level) {
    constexpr std::array<QRgb, 8> faces = {
        qRgb(134, 134, 134), qRgb(51, 204, 255),  qRgb(204, 236, 255), qRgb(102, 204, 204),
        qRgb(204, 255, 153), qRgb(239, 214, 198), qRgb(204, 255, 204), qRgb(192, 192, 192)};
    return faces[static_cast<std::size_t>(level % 8)];
}

QPoint TileCorner(int column, int row) {
    return {10 + 180 * (column - 1), 100 + 67 * (row - 1)};
}

QRgb FaceColour(const QImage& image, int column, int row) {
    const QRect patch(TileCorner(column, row) + QPoint(30, 45), QSize(118, 4));
    const QRgb first = image.pixel(patch.topLeft());
    return AllOf(image, patch, first) ? first : 0;
}

const std::array<CounterPanel, 3> CounterPanels = {{
    {"Correct", &GameState::CorrectCount, QRect(10, 10, 200, 80), qRgb(7, 255, 208), 100},
    {"Wrong", &GameState::WrongCount, QRect(230, 10, 200, 80), qRgb(255, 0, 0), 320},
    {"Hints", &GameState::HintCount, QRect(450, 10, 220, 80), qRgb(0, 170, 221), 550},
}};

int NumberStart(const QImage& image, const CounterPanel& panel) {
    for (int x = panel.oneDigitX - 35; x < panel.ellipse.right(); ++x) {
        if (CountDark(image, QRect(x, 45, 1, 38)) > 0) {
            return x;
        }
    }
    return -1;
}
