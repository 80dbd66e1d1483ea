#pragma once

#include "learning/practice_record.h"

#include <QDate>
#include <QWidget>

#include <vector>

// The past year of practice, one cell a day in a column a week (Monday on top), shaded by the
// pairs practised that day in the colours of the desktop's palette.
class YearCalendar : public QWidget {
    Q_OBJECT
public:
    explicit YearCalendar(QWidget* parent = nullptr);

    void SetDays(const std::vector<PracticeDay>& days, Day today);

    int CellCount() const { return static_cast<int>(pairs_.size()); }
    QDate CellDate(int cell) const { return first_.addDays(cell); }
    std::int64_t CellPairs(int cell) const { return pairs_[static_cast<std::size_t>(cell)]; }
    // In widget coordinates.
    QRect CellRect(int cell) const;
    // "3 December: 24 pairs", as a screen reader says it.
    QString CellName(int cell) const;
    // The cell at `point`, or -1.
    int CellAt(QPoint point) const;
    // How strongly the cell is shaded, 0 (no practice) to Levels - 1.
    int Level(int cell) const;
    static constexpr int Levels = 5;
    // The day the keyboard is on: today until the arrow keys move it.
    int CurrentCell() const { return current_; }

    QSize sizeHint() const override;

signals:
    // The cells were replaced: their accessible items go with them.
    void DaysChanged();
    // The keyboard moved to another day.
    void CurrentCellChanged(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int CellSize() const;
    QPoint Origin() const;

    QDate first_;
    // Pairs on each day from first_ to today.
    std::vector<std::int64_t> pairs_;
    std::int64_t most_ = 0;
    int current_ = 0;
};
