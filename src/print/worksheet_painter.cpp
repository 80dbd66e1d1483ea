#include "print/worksheet_painter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace {

constexpr qreal BodyPoints = 12;
constexpr qreal TitlePoints = 16;
constexpr qreal CardPoints = 22;
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
};

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
    painter.setPen(QPen(Qt::black, pages.Mm(0.2)));
    for (const WorksheetLine& line : lines) {
        if (top + rowHeight > page.bottom()) {
            pages.NewPage();
            top = page.top();
        }
        const QRectF row(page.left(), top, page.width(), rowHeight);
        painter.drawLine(row.bottomLeft(), row.bottomRight());
        painter.drawLine(QPointF(middle, row.top()), QPointF(middle, row.bottom()));
        const auto cell = [&](qreal left, qreal right) {
            return QRectF(left + padding, row.top(), right - left - 2 * padding, rowHeight);
        };
        pages.DrawFitted(cell(page.left(), middle), Text(line.word.value_or("")), BodyPoints,
                         Qt::AlignLeft | Qt::AlignBottom);
        pages.DrawFitted(cell(middle, page.right()), Text(line.translation.value_or("")),
                         BodyPoints, Qt::AlignLeft | Qt::AlignBottom);
        top += rowHeight;
    }
}

// One side of a sheet of cards: the grid's cut lines and a word centred in each card.
void PaintCardSide(PageWriter& pages, QPainter& painter,
                   const std::array<std::string, CardsPerSheet>& texts) {
    const QRectF page = pages.Page();
    const qreal width = page.width() / CardColumns;
    const qreal height = page.height() / CardRows;
    painter.setPen(QPen(Qt::gray, pages.Mm(0.2), Qt::DashLine));
    for (int place = 0; place < CardsPerSheet; ++place) {
        const QRectF card(page.left() + (place % CardColumns) * width,
                          page.top() + (place / CardColumns) * height, width, height);
        painter.drawRect(card);
        pages.DrawFitted(card.adjusted(pages.Mm(4), pages.Mm(4), -pages.Mm(4), -pages.Mm(4)),
                         Text(texts[static_cast<std::size_t>(place)]), CardPoints, Qt::AlignCenter);
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
            PaintCardSide(pages, painter, sheet.cards[i].fronts);
            pages.NewPage();
            PaintCardSide(pages, painter, sheet.cards[i].backs);
        }
        break;
    }
}
