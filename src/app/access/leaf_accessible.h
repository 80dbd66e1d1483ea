#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// An accessible item that `Host` paints itself: it has no children and no object of its own,
// and it lives only as long as its host.
template <class Host> class LeafAccessible : public QAccessibleInterface {
public:
    explicit LeafAccessible(Host* host) : host_(host) {}

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

protected:
    QPointer<Host> host_;
};
