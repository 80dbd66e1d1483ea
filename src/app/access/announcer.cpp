#include "app/access/announcer.h"

#include "app/access/leaf_accessible.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// A notification is what Orca speaks when it is shown, wherever the focus is.
class AnnouncementAccessible : public LeafAccessible<QWidget> {
public:
    explicit AnnouncementAccessible(QWidget& host) : LeafAccessible(&host) {}

    void Say(const QString& text) {
        text_ = text;
        shown_ = true;
    }

    QAccessible::Role role() const override { return QAccessible::Notification; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !shown_;
        return state;
    }

private:
    QString text_;
    bool shown_ = false;
};

QAccessible::Id announcementId = 0;
std::function<void(const QString&)> listener;

} // namespace

void InstallAnnouncer(QWidget& host) {
    if (announcementId != 0) {
        QAccessible::deleteAccessibleInterface(announcementId);
    }
    announcementId = QAccessible::registerAccessibleInterface(new AnnouncementAccessible(host));
    QObject::connect(&host, &QObject::destroyed, [] {
        if (announcementId != 0) {
            QAccessible::deleteAccessibleInterface(announcementId);
            announcementId = 0;
        }
    });
}

void Announce(const QString& text) {
    auto* announcement =
        static_cast<AnnouncementAccessible*>(QAccessible::accessibleInterface(announcementId));
    if (!announcement || text.isEmpty()) {
        return;
    }
    if (listener) {
        listener(text);
    }
    announcement->Say(text);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void ListenToAnnouncements(std::function<void(const QString&)> newListener) {
    listener = std::move(newListener);
}
