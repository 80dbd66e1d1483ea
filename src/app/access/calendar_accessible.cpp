#include "app/access/calendar_accessible.h"

#include "app/access/leaf_accessible.h"
#include "view/home/year_calendar.h"

#include <QAccessibleWidget>

#include <vector>

namespace {

class DayAccessible : public LeafAccessible<YearCalendar> {
public:
    DayAccessible(YearCalendar* calendar, int cell) : LeafAccessible(calendar), cell_(cell) {}

    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.focusable = true;
        state.focused = host_ && host_->hasFocus() && host_->CurrentCell() == cell_;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && host_ && cell_ < host_->CellCount()
                   ? host_->CellName(cell_)
                   : QString();
    }
    QRect rect() const override {
        return host_ ? QRect(host_->mapToGlobal(host_->CellRect(cell_).topLeft()),
                             host_->CellRect(cell_).size())
                     : QRect();
    }
    int Cell() const { return cell_; }
    const YearCalendar* Calendar() const { return host_.data(); }

private:
    int cell_;
};

class CalendarAccessible : public QAccessibleWidget {
public:
    explicit CalendarAccessible(YearCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::Table), calendar_(calendar) {
        QObject::connect(calendar, &YearCalendar::DaysChanged, calendar, [this] { Forget(); });
        QObject::connect(calendar, &YearCalendar::CurrentCellChanged, calendar, [this](int cell) {
            QAccessibleEvent focus(calendar_, QAccessible::Focus);
            focus.setChild(cell);
            QAccessible::updateAccessibility(&focus);
        });
    }
    ~CalendarAccessible() override { Forget(); }

    int childCount() const override { return calendar_->CellCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        ids_.resize(static_cast<std::size_t>(childCount()));
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new DayAccessible(calendar_, index));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* day = dynamic_cast<const DayAccessible*>(child);
        return day && day->Calendar() == calendar_ ? day->Cell() : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return calendar_->hasFocus() ? child(calendar_->CurrentCell()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int cell = calendar_->CellAt(calendar_->mapFromGlobal(QPoint(x, y)));
        return cell >= 0 ? child(cell) : nullptr;
    }

private:
    void Forget() {
        for (QAccessible::Id id : ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
        ids_.clear();
    }

    YearCalendar* calendar_;
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* CalendarFactory(const QString&, QObject* object) {
    auto* calendar = qobject_cast<YearCalendar*>(object);
    return calendar ? new CalendarAccessible(calendar) : nullptr;
}

} // namespace

void InstallCalendarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&CalendarFactory);
        return true;
    }();
    (void)installed;
}
