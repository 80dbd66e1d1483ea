#include "app/announcer.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// A notification is what Orca speaks when it is shown, wherever the focus is.
class AnnouncementAccessible : public QAccessibleInterface {
public:
    explicit AnnouncementAccessible(QWidget& host) : host_(&host) {}

    void Say(const QString& text) {
        text_ = text;
        shown_ = true;
    }

    bool isValid() const override { return !host_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return host_ ? host_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(host_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
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
    QPointer<QWidget> host_;
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
