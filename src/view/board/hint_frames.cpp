#include "game/game_state.h"
#include "view/board/board_painter.h"
#include "view/board/board_pixels.h"
#include "view/board/pixel_lines.h"

#include <QPalette>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr int FrameDepth = 10;
constexpr int PlainMitre = 10;
constexpr int SelectedMitre = 9;

// Rectangle i of a frame, right and bottom excluded: ring 0 lies 5 pixels inside the tile's
// edges, ring 9 fourteen.
struct Ring {
    int left, top, right, bottom;
};

Ring FrameRing(QPoint tile, int i) {
    return {tile.x() + 5 + i, tile.y() + 5 + i, tile.x() + 173 - i, tile.y() + 60 - i};
}

struct BumpColours {
    QColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

// The desktop's three-dimensional edge colours.
BumpColours PaletteBump() {
    const QPalette palette;
    return {palette.color(QPalette::Midlight), palette.color(QPalette::Shadow),
            palette.color(QPalette::Dark), palette.color(QPalette::Light)};
}

// One pixel round the rectangle; the bottom-right colour takes the top-right and bottom-left
// corners.
void DrawBorder(QPainter& painter, const Ring& r, const QColor& topLeft,
                const QColor& bottomRight) {
    DrawLineTo(painter, {r.left, r.top}, {r.right, r.top}, topLeft);
    DrawLineTo(painter, {r.left, r.top}, {r.left, r.bottom}, topLeft);
    DrawLineTo(painter, {r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}, bottomRight);
    DrawLineTo(painter, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}, bottomRight);
}

// A raised outer line and a sunken inner line.
void DrawBumpEdge(QPainter& painter, const Ring& r, const BumpColours& colours) {
    DrawBorder(painter, r, colours.outerTopLeft, colours.outerBottomRight);
    DrawBorder(painter, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, colours.innerTopLeft,
               colours.innerBottomRight);
}

// The rings go round the tiles in turn, ring by ring; ring 0 then comes once more, over the
// inner line that ring 1 left.
void DrawPlainFrames(QPainter& painter, std::span<const QPoint> tiles) {
    const BumpColours colours = PaletteBump();
    for (int i = 0; i < FrameDepth; ++i) {
        for (const QPoint tile : tiles) {
            DrawBumpEdge(painter, FrameRing(tile, i), colours);
        }
    }
    for (const QPoint tile : tiles) {
        const Ring r = FrameRing(tile, 0);
        DrawBumpEdge(painter, r, colours);
        DrawLineTo(painter, {r.left, r.top}, {r.left + PlainMitre, r.top + PlainMitre}, Qt::black);
    }
    for (const QPoint tile : tiles) {
        const Ring r = FrameRing(tile, 0);
        DrawLineTo(painter, {r.right, r.bottom}, {r.right - PlainMitre, r.bottom - PlainMitre},
                   Qt::white);
    }
}

void DrawOutline(QPainter& painter, const Ring& r, const QColor& colour) {
    DrawLineTo(painter, {r.left, r.top}, {r.right, r.top}, colour);
    DrawLineTo(painter, {r.right, r.top}, {r.right, r.bottom}, colour);
    DrawLineTo(painter, {r.right, r.bottom}, {r.left, r.bottom}, colour);
    DrawLineTo(painter, {r.left, r.bottom}, {r.left, r.top}, colour);
}

// Yellow along the top and left, red along the right and bottom, black outlines and mitres,
// so that the selection still shows under the hint.
void DrawSelectedFrame(QPainter& painter, QPoint tile) {
    const QColor yellow(255, 255, 0);
    const QColor red(255, 0, 0);
    for (int i = 0; i < FrameDepth; ++i) {
        const Ring r = FrameRing(tile, i);
        DrawLineTo(painter, {r.left, r.top}, {r.right, r.top}, yellow);
        DrawLineTo(painter, {r.left, r.bottom}, {r.left, r.top}, yellow);
    }
    for (int i = 0; i < FrameDepth; ++i) {
        const Ring r = FrameRing(tile, i);
        DrawLineTo(painter, {r.right, r.top}, {r.right, r.bottom}, red);
        DrawLineTo(painter, {r.right, r.bottom}, {r.left, r.bottom}, red);
    }
    const Ring outer = FrameRing(tile, 0);
    DrawOutline(painter, outer, Qt::black);
    DrawOutline(painter, FrameRing(tile, FrameDepth - 1), Qt::black);
    const int m = SelectedMitre;
    DrawLineTo(painter, {outer.left, outer.top}, {outer.left + m, outer.top + m}, Qt::black);
    DrawLineTo(painter, {outer.right, outer.top}, {outer.right - m, outer.top + m}, Qt::black);
    DrawLineTo(painter, {outer.right, outer.bottom}, {outer.right - m, outer.bottom - m},
               Qt::black);
    DrawLineTo(painter, {outer.left, outer.bottom}, {outer.left + m, outer.bottom - m}, Qt::black);
}

struct HintedTile {
    QPoint corner;
    bool selected;
};

// The hint fields are zero-based; one that names no position has no frame.
std::optional<HintedTile> Hinted(const GameState& state, std::int32_t column, std::int32_t row) {
    if (column < 0 || column >= BoardColumns || row < 0 || row >= BoardRows) {
        return std::nullopt;
    }
    return HintedTile{TileRect(state.BoardTop, column + 1, row + 1).topLeft(),
                      column + 1 == state.SelectedCol && row + 1 == state.SelectedRow};
}

} // namespace

void BoardPainter::DrawHintHighlight(QPainter& painter, const GameState& state,
                                     bool considerSelection) const {
    std::vector<HintedTile> tiles;
    for (const auto& hinted : {Hinted(state, state.HintCol1, state.HintRow1),
                               Hinted(state, state.HintCol2, state.HintRow2)}) {
        if (hinted) {
            tiles.push_back(*hinted);
        }
    }
    if (!considerSelection) {
        std::vector<QPoint> corners;
        for (const HintedTile& tile : tiles) {
            corners.push_back(tile.corner);
        }
        DrawPlainFrames(painter, corners);
        return;
    }
    for (const HintedTile& tile : tiles) {
        if (tile.selected) {
            DrawSelectedFrame(painter, tile.corner);
        } else {
            DrawPlainFrames(painter, std::span(&tile.corner, 1));
        }
    }
}
