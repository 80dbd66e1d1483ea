#include "app/shell/command_icons.h"

#include "app/base/command_ids.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <cmath>

namespace {

// The colours of the drawings that stand on the toolbar without a frame of their own, so that
// they show on a dark toolbar as on a light one.
struct Ink {
    QColor line;
    QColor blue;
};

Ink InkFor(const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    return {palette.color(QPalette::WindowText), dark ? QColor(120, 170, 255) : QColor(0, 0, 220)};
}

using Drawing = void (*)(QPainter&, const Ink&);

// Drawings use a 16 x 16 grid and are rendered at several sizes so they stay sharp.
QIcon Render(Drawing draw, const Ink& ink = InkFor(QPalette())) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter, ink);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen Outline(const QColor& colour = Qt::black) {
    return QPen(colour, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void DrawPage(QPainter& p, const QRectF& page) {
    p.setPen(Outline());
    p.setBrush(Qt::white);
    const qreal fold = 4;
    p.drawPolygon(QPolygonF{page.topLeft(), page.topRight() - QPointF(fold, 0),
                            page.topRight() + QPointF(0, fold), page.bottomRight(),
                            page.bottomLeft()});
    p.drawPolyline(QPolygonF{page.topRight() - QPointF(fold, 0),
                             page.topRight() + QPointF(-fold, fold),
                             page.topRight() + QPointF(0, fold)});
}

void DrawNew(QPainter& p, const Ink&) {
    DrawPage(p, QRectF(3.5, 1.5, 9, 13));
}

void DrawOpen(QPainter& p, const Ink&) {
    p.setPen(Outline(QColor(120, 90, 0)));
    p.setBrush(QColor(230, 190, 60));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.drawRect(QRectF(1.5, 3.5, 5, 1));
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(QPolygonF{{4.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}});
}

void DrawSave(QPainter& p, const Ink&) {
    p.setPen(Outline());
    p.setBrush(QColor(40, 70, 170));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 9, 6));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}

void DrawCut(QPainter& p, const Ink&) {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
    p.drawLine(QPointF(6, 10), QPointF(11.5, 1.5));
    p.drawLine(QPointF(10, 10), QPointF(4.5, 1.5));
}

void DrawCopy(QPainter& p, const Ink&) {
    DrawPage(p, QRectF(1.5, 1.5, 8, 10));
    DrawPage(p, QRectF(6.5, 4.5, 8, 10));
}

void DrawPaste(QPainter& p, const Ink&) {
    p.setPen(Outline(QColor(90, 60, 20)));
    p.setBrush(QColor(180, 130, 60));
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    DrawPage(p, QRectF(6.5, 6.5, 8, 9));
}

void DrawPrint(QPainter& p, const Ink&) {
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 160, 0));
    p.drawRect(QRectF(12, 8, 1.5, 1.5));
}

void DrawAbout(QPainter& p, const Ink&) {
    p.setPen(Outline(QColor(0, 0, 128)));
    p.setBrush(QColor(255, 255, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawBars(QPainter& p, const Ink& ink) {
    p.setPen(QPen(ink.line, 1.5, Qt::SolidLine, Qt::FlatCap));
    for (const qreal y : {11.0, 13.5}) {
        p.drawLine(QPointF(2, y), QPointF(14, y));
    }
}

void DrawLevelDown(QPainter& p, const Ink& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink.line);
    p.drawPolygon(QPolygonF{{3, 2}, {13, 2}, {8, 8.5}});
    DrawBars(p, ink);
}

void DrawLevelUp(QPainter& p, const Ink& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 0, 0));
    p.drawPolygon(QPolygonF{{3, 8.5}, {13, 8.5}, {8, 2}});
    DrawBars(p, ink);
}

void DrawAllLevels(QPainter& p, const Ink& ink) {
    p.setPen(QPen(ink.blue, 1.5, Qt::SolidLine, Qt::FlatCap));
    for (qreal y = 2.5; y < 15; y += 2.5) {
        p.drawLine(QPointF(2, y), QPointF(14, y));
    }
}

void DrawHint(QPainter& p, const Ink&) {
    p.setPen(Outline());
    p.setBrush(QColor(230, 0, 0));
    p.drawRect(QRectF(1.5, 1.5, 9, 7));
    p.setBrush(QColor(255, 230, 0));
    p.drawRect(QRectF(5.5, 6.5, 9, 7));
}

void DrawPointer(QPainter& p, const Ink&) {
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    QPainterPath hand;
    hand.moveTo(3, 1.5);
    hand.cubicTo(3.4, 5, 2.6, 9, 3.4, 12.5);
    hand.lineTo(5.8, 10.2);
    hand.quadTo(7.2, 13, 8.6, 15);
    hand.lineTo(10.6, 14);
    hand.quadTo(9.4, 11.6, 8.2, 9.2);
    hand.lineTo(11.8, 9);
    hand.closeSubpath();
    p.drawPath(hand);
}

void DrawFan(QPainter& p, const Ink& ink) {
    p.setPen(QPen(ink.line, 1.0, Qt::SolidLine, Qt::RoundCap));
    const QPointF hub(2, 14);
    for (int i = 0; i <= 5; ++i) {
        const double angle = (i * 90.0 / 5) * 3.14159265358979 / 180.0;
        p.drawLine(hub, hub + QPointF(12.5 * std::cos(angle), -12.5 * std::sin(angle)));
    }
}

void DrawTile(QPainter& p, const Ink&) {
    p.setPen(QPen(QColor(0, 255, 255), 1.0));
    p.setBrush(QColor(7, 209, 108));
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 9), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(51, 204, 255));
    p.drawRect(QRectF(3, 5.5, 10, 5));
}

QIcon Themed(const char* name, Drawing fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name), Render(fallback));
}

} // namespace

QIcon CommandIcon(int commandId, const QPalette& palette) {
    const Ink ink = InkFor(palette);
    switch (commandId) {
    case CommandId::FileNew:
        return Themed("document-new", DrawNew);
    case CommandId::FileOpen:
        return Themed("document-open", DrawOpen);
    case CommandId::FileSave:
        return Themed("document-save", DrawSave);
    case CommandId::EditCut:
        return Themed("edit-cut", DrawCut);
    case CommandId::EditCopy:
        return Themed("edit-copy", DrawCopy);
    case CommandId::EditPaste:
        return Themed("edit-paste", DrawPaste);
    case CommandId::FilePrint:
        return Themed("document-print", DrawPrint);
    case CommandId::AppAbout:
        return Themed("help-about", DrawAbout);
    case CommandId::LevelDown:
        return Render(DrawLevelDown, ink);
    case CommandId::LevelUp:
        return Render(DrawLevelUp, ink);
    case CommandId::ShowAllLevels:
        return Render(DrawAllLevels, ink);
    case CommandId::Hint:
        return Render(DrawHint);
    case CommandId::AutoRemovePair:
        return Render(DrawPointer);
    case CommandId::FastAutoFinish:
        return Render(DrawFan, ink);
    default:
        return QIcon();
    }
}

QIcon ApplicationIcon() {
    return Render(DrawTile);
}
