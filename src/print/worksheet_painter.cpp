#include "print/worksheet_painter.h"

#include "print/picture_file.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <map>

namespace {

constexpr qreal BodyPoints = 12;
constexpr qreal TitlePoints = 16;
constexpr qreal CardPoints = 22;
constexpr qreal NotePoints = 9;
// Pictures are printed at no more pixels than this a side: sharp on paper, small in a PDF.
constexpr int PicturePixels = 800;
// Below this a word is no longer worth reading; it is cut at the cell instead.
constexpr qreal SmallestPoints = 5;

QFont WorksheetFont(qreal points, bool bold = false) {
    QFont font;
    // Noto has every script the learners study; CJK comes from Noto CJK where Noto Sans lacks it.
    font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    // Ligatures would put "ﬁ" in the text a reader searches for "fi"; scripts that need
    // shaping still get it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter)
        : device_(device), painter_(painter), page_(painter.viewport()),
          mm_(device.logicalDpiY() / 25.4) {}

    // Draws the picture fitted into the box, its aspect kept, centred; false when the file
    // gives no picture. Each file is decoded once.
    bool DrawPicture(const QRectF& box, const std::string& path) {
        if (path.empty()) {
            return false;
        }
        auto known = pictures_.find(path);
        if (known == pictures_.end()) {
            known = pictures_.emplace(path, ReadPictureFile(path, PicturePixels)).first;
        }
        const QImage& picture = known->second;
        if (picture.isNull()) {
            return false;
        }
        QSizeF size = picture.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        const QRectF target(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
        painter_.drawImage(target, picture);
        return true;
    }

    qreal Mm(qreal millimetres) const { return millimetres * mm_; }
    QRectF Page() const { return page_; }

    void NewPage() { device_.newPage(); }

    // The text in the cell, on one line: smaller when it would not fit, never outside.
    void DrawFitted(const QRectF& cell, const QString& text, qreal points, Qt::Alignment alignment,
                    bool bold = false) {
        if (text.isEmpty()) {
            return;
        }
        QFont font = WorksheetFont(points, bold);
        const QFontMetricsF metrics(font, &device_);
        const qreal width = metrics.horizontalAdvance(text);
        const qreal scale = std::min({1.0, cell.width() / std::max(width, 1.0),
                                      cell.height() / std::max(metrics.height(), 1.0)});
        font.setPointSizeF(std::max(points * scale, SmallestPoints));
        const bool rightToLeft = text.isRightToLeft();
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        // Right-to-left words start at the right edge of a left-aligned cell.
        if (alignment & Qt::AlignLeft && rightToLeft) {
            alignment = (alignment & ~Qt::AlignLeft) | Qt::AlignRight;
        }
        option.setAlignment(alignment | Qt::AlignAbsolute);
        painter_.save();
        painter_.setClipRect(cell);
        painter_.setPen(Qt::black);
        painter_.setFont(font);
        painter_.drawText(cell, text, option);
        painter_.restore();
    }

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QRectF page_;
    qreal mm_;
    std::map<std::string, QImage> pictures_;
};

// A side in a cell of a list: its picture at the start, its words after it. A side whose
// picture cannot be read prints its words alone.
void DrawSide(PageWriter& pages, const QRectF& cell, const std::optional<std::string>& text,
              const std::string& picture) {
    QRectF words = cell;
    if (!picture.empty() && text) {
        const QRectF box(cell.left(), cell.top() + pages.Mm(1), cell.height() - pages.Mm(2),
                         cell.height() - pages.Mm(2));
        if (pages.DrawPicture(box, picture)) {
            words.setLeft(box.right() + pages.Mm(2));
        }
    }
    pages.DrawFitted(words, Text(text.value_or("")), BodyPoints, Qt::AlignLeft | Qt::AlignBottom);
}

// Ruled lines of two columns under a heading, as many pages as they take.
void PaintLines(PageWriter& pages, QPainter& painter, const QString& heading,
                const std::vector<WorksheetLine>& lines) {
    const QRectF page = pages.Page();
    const qreal rowHeight = pages.Mm(9);
    const qreal padding = pages.Mm(2);
    const qreal middle = page.left() + page.width() / 2;
    qreal top = page.top();
    const auto drawHeading = [&] {
        pages.DrawFitted(QRectF(page.left(), top, page.width(), pages.Mm(10)), heading, TitlePoints,
                         Qt::AlignLeft | Qt::AlignVCenter, true);
        top += pages.Mm(14);
    };
    drawHeading();
    const qreal pictureRowHeight = pages.Mm(24);
    const qreal noteHeight = pages.Mm(5);
    for (const WorksheetLine& line : lines) {
        const bool pictures = !line.wordPicture.empty() || !line.translationPicture.empty();
        const qreal wordsHeight = pictures ? pictureRowHeight : rowHeight;
        const qreal height = wordsHeight + (line.note.empty() ? 0 : noteHeight);
        if (top + height > page.bottom()) {
            pages.NewPage();
            top = page.top();
        }
        const QRectF row(page.left(), top, page.width(), height);
        painter.setPen(QPen(Qt::black, pages.Mm(0.2)));
        painter.drawLine(row.bottomLeft(), row.bottomRight());
        painter.drawLine(QPointF(middle, row.top()), QPointF(middle, row.top() + wordsHeight));
        const auto cell = [&](qreal left, qreal right) {
            return QRectF(left + padding, row.top(), right - left - 2 * padding, wordsHeight);
        };
        DrawSide(pages, cell(page.left(), middle), line.word, line.wordPicture);
        DrawSide(pages, cell(middle, page.right()), line.translation, line.translationPicture);
        pages.DrawFitted(QRectF(page.left() + padding, row.top() + wordsHeight,
                                page.width() - 2 * padding, noteHeight),
                         Text(line.note), NotePoints, Qt::AlignLeft | Qt::AlignVCenter);
        top += height;
    }
}

using CardTexts = std::array<std::string, CardsPerSheet>;

// One side of a sheet of cards: the grid's cut lines and in each card its picture above its
// word, or the word centred, and a note under it.
void PaintCardSide(PageWriter& pages, QPainter& painter, const CardTexts& texts,
                   const CardTexts& pictures, const CardTexts& notes) {
    const QRectF page = pages.Page();
    const qreal width = page.width() / CardColumns;
    const qreal height = page.height() / CardRows;
    for (int place = 0; place < CardsPerSheet; ++place) {
        const auto at = static_cast<std::size_t>(place);
        const QRectF card(page.left() + (place % CardColumns) * width,
                          page.top() + (place / CardColumns) * height, width, height);
        painter.setPen(QPen(Qt::gray, pages.Mm(0.2), Qt::DashLine));
        painter.drawRect(card);
        QRectF inside = card.adjusted(pages.Mm(4), pages.Mm(4), -pages.Mm(4), -pages.Mm(4));
        if (!notes[at].empty()) {
            const QRectF note(inside.left(), inside.bottom() - pages.Mm(8), inside.width(),
                              pages.Mm(8));
            pages.DrawFitted(note, Text(notes[at]), NotePoints, Qt::AlignCenter);
            inside.setBottom(note.top());
        }
        if (!pictures[at].empty()) {
            const bool words = !texts[at].empty();
            const QRectF box(inside.topLeft(),
                             QSizeF(inside.width(), inside.height() * (words ? 0.7 : 1.0)));
            if (pages.DrawPicture(box, pictures[at])) {
                inside.setTop(box.bottom());
            }
        }
        pages.DrawFitted(inside, Text(texts[at]), CardPoints, Qt::AlignCenter);
    }
}

} // namespace

void PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet) {
    QPainter painter(&device);
    PageWriter pages(device, painter);
    const QString title = Text(sheet.title);
    switch (sheet.layout) {
    case WorksheetLayout::List:
    case WorksheetLayout::Test:
        PaintLines(pages, painter, title, sheet.lines);
        if (sheet.layout == WorksheetLayout::Test) {
            pages.NewPage();
            PaintLines(pages, painter,
                       QCoreApplication::translate("Worksheet", "Answer key: %1").arg(title),
                       sheet.answers);
        }
        break;
    case WorksheetLayout::Cards:
        for (std::size_t i = 0; i < sheet.cards.size(); ++i) {
            if (i > 0) {
                pages.NewPage();
            }
            const CardSheet& cards = sheet.cards[i];
            PaintCardSide(pages, painter, cards.fronts, cards.frontPictures, CardTexts{});
            pages.NewPage();
            PaintCardSide(pages, painter, cards.backs, cards.backPictures, cards.backNotes);
        }
        break;
    }
}
