#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>

// One desktop notification of the pairs due today, over the freedesktop notification service;
// its action starts the day's review in a new window.
class DueReminder : public QObject {
    Q_OBJECT
public:
    // `game` is the program that starts with --review when the learner asks for it.
    DueReminder(QDBusConnection bus, QString game, std::chrono::milliseconds wait);

    // False when no notification service answered.
    bool Show(std::int64_t duePairs);

signals:
    // The learner chose the action or closed the notification, or the wait ran out.
    void Finished();

private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

private:
    QDBusConnection bus_;
    QString game_;
    QTimer wait_;
    uint id_ = 0;
};

// What `glossatiles --remind` does: a notification when pairs are due today, none otherwise.
// Exits quietly with 0 whatever the desktop offers.
int RemindOfDuePairs();
