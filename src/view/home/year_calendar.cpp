#include "view/home/year_calendar.h"

#include "view/date_of_day.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int Gap = 2;
constexpr int Weeks = 53;

} // namespace

YearCalendar::YearCalendar(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("A year of practice"));
    setFocusPolicy(Qt::StrongFocus);
    SetDays({}, Day(std::chrono::year(2000) / 1 / 1));
}

void YearCalendar::SetDays(const std::vector<PracticeDay>& days, Day today) {
    const QDate last = DateOf(today);
    // Whole weeks from a Monday, ending with today's week.
    first_ = last.addDays(-(Weeks - 1) * 7 - (last.dayOfWeek() - 1));
    pairs_.assign(static_cast<std::size_t>(first_.daysTo(last) + 1), 0);
    most_ = 0;
    for (const PracticeDay& day : days) {
        const qint64 cell = first_.daysTo(DateOf(day.day));
        if (cell >= 0 && cell < CellCount()) {
            pairs_[static_cast<std::size_t>(cell)] = day.pairs;
            most_ = std::max(most_, day.pairs);
        }
    }
    current_ = CellCount() - 1;
    emit DaysChanged();
    update();
}

int YearCalendar::CellSize() const {
    return std::max(8, fontMetrics().height() * 3 / 4);
}

QPoint YearCalendar::Origin() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("Mon")) + Gap * 2,
            fontMetrics().height() + Gap};
}

QRect YearCalendar::CellRect(int cell) const {
    const int step = CellSize() + Gap;
    return {Origin().x() + cell / 7 * step, Origin().y() + cell % 7 * step, CellSize(), CellSize()};
}

int YearCalendar::CellAt(QPoint point) const {
    for (int cell = 0; cell < CellCount(); ++cell) {
        if (CellRect(cell).contains(point)) {
            return cell;
        }
    }
    return -1;
}

QString YearCalendar::CellName(int cell) const {
    return tr("%1: %n pairs", "a day of the calendar", static_cast<int>(CellPairs(cell)))
        .arg(QLocale().toString(CellDate(cell), tr("d MMMM", "day and month of a calendar cell")));
}

int YearCalendar::Level(int cell) const {
    const std::int64_t pairs = CellPairs(cell);
    if (pairs <= 0 || most_ <= 0) {
        return 0;
    }
    return 1 + static_cast<int>((pairs - 1) * (Levels - 1) / most_);
}

QSize YearCalendar::sizeHint() const {
    const int step = CellSize() + Gap;
    return {Origin().x() + Weeks * step, Origin().y() + 7 * step};
}

void YearCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor empty = palette().color(QPalette::AlternateBase);
    const QColor full = palette().color(QPalette::Highlight);
    for (int cell = 0; cell < CellCount(); ++cell) {
        const double share = static_cast<double>(Level(cell)) / (Levels - 1);
        const QColor colour = QColor::fromRgbF(
            static_cast<float>(empty.redF() + (full.redF() - empty.redF()) * share),
            static_cast<float>(empty.greenF() + (full.greenF() - empty.greenF()) * share),
            static_cast<float>(empty.blueF() + (full.blueF() - empty.blueF()) * share));
        painter.fillRect(CellRect(cell), colour);
        if (Level(cell) == 0) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(CellRect(cell).adjusted(0, 0, -1, -1));
        }
    }
    if (hasFocus()) {
        // Outside the cell, so that its shade still shows.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawRect(CellRect(current_).adjusted(-1, -1, 1, 1));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    // The month's short name over the week of its first day.
    for (int cell = 0; cell < CellCount(); cell += 7) {
        const QDate monday = CellDate(cell);
        if (monday.day() <= 7) {
            painter.drawText(CellRect(cell).left(), fontMetrics().ascent(),
                             QLocale().monthName(monday.month(), QLocale::ShortFormat));
        }
    }
    for (const int weekday : {0, 2, 4}) {
        painter.drawText(0, CellRect(weekday).bottom(),
                         QLocale().dayName(weekday + 1, QLocale::ShortFormat));
    }
}

void YearCalendar::keyPressEvent(QKeyEvent* event) {
    // A column is a week: up and down go by a day, left and right by a week.
    int cell = current_;
    switch (event->key()) {
    case Qt::Key_Up:
        --cell;
        break;
    case Qt::Key_Down:
        ++cell;
        break;
    case Qt::Key_Left:
        cell -= 7;
        break;
    case Qt::Key_Right:
        cell += 7;
        break;
    case Qt::Key_Home:
        cell = 0;
        break;
    case Qt::Key_End:
        cell = CellCount() - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    cell = std::clamp(cell, 0, CellCount() - 1);
    if (cell != current_) {
        current_ = cell;
        update();
        emit CurrentCellChanged(cell);
    }
}

void YearCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // A screen reader hears the day the keyboard is on.
    emit CurrentCellChanged(current_);
}

bool YearCalendar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int cell = CellAt(help->pos());
        if (cell >= 0) {
            QToolTip::showText(help->globalPos(), CellName(cell), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}
