#include "app/learning/due_reminder.h"

#include "glossatiles_project.h"
#include "learning/clock.h"
#include "learning/sqlite_progress_store.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusReply>
#include <QEventLoop>
#include <QProcess>
#include <QVariantMap>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = Service;
const QString ReviewAction = QStringLiteral("review");

} // namespace

DueReminder::DueReminder(QDBusConnection bus, QString game, std::chrono::milliseconds wait)
    : bus_(std::move(bus)), game_(std::move(game)) {
    wait_.setSingleShot(true);
    wait_.setInterval(wait);
    connect(&wait_, &QTimer::timeout, this, &DueReminder::Finished);
}

bool DueReminder::Show(std::int64_t duePairs) {
    // Heard before the call, so that an answer coming at once is not missed.
    bus_.connect(QString(), Path, Interface, QStringLiteral("ActionInvoked"), this,
                 SLOT(OnActionInvoked(uint, QString)));
    bus_.connect(QString(), Path, Interface, QStringLiteral("NotificationClosed"), this,
                 SLOT(OnClosed(uint, uint)));
    QDBusMessage notify =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    const QString summary = tr("%n pairs are due today", "", static_cast<int>(duePairs));
    notify << QStringLiteral("Glossatiles") << 0u << QString::fromLatin1(GlossatilesAppId)
           << summary << QString() << QStringList{ReviewAction, tr("Start review")}
           << QVariantMap{{QStringLiteral("desktop-entry"), QString::fromLatin1(GlossatilesAppId)}}
           << -1;
    const QDBusReply<uint> reply = bus_.call(notify);
    if (!reply.isValid()) {
        return false;
    }
    id_ = reply.value();
    wait_.start();
    return true;
}

void DueReminder::OnActionInvoked(uint id, const QString& action) {
    if (id != id_ || action != ReviewAction) {
        return;
    }
    QProcess::startDetached(game_, {QStringLiteral("--review")});
    emit Finished();
}

void DueReminder::OnClosed(uint id, uint) {
    if (id == id_) {
        emit Finished();
    }
}

int RemindOfDuePairs() {
    SqliteProgressStore store(DefaultProgressPath());
    const std::optional<ReviewSummary> summary = store.Summary(LocalDay(SystemClock().Now()));
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!summary || summary->dueNow <= 0 || !bus.isConnected()) {
        return 0;
    }
    // The tests put a stand-in in the game's place.
    const QString standIn = qEnvironmentVariable("GLOSSATILES_REVIEW_PROGRAM");
    DueReminder reminder(bus, standIn.isEmpty() ? QCoreApplication::applicationFilePath() : standIn,
                         std::chrono::minutes(1));
    if (!reminder.Show(summary->dueNow)) {
        return 0;
    }
    QEventLoop wait;
    QObject::connect(&reminder, &DueReminder::Finished, &wait, &QEventLoop::quit);
    wait.exec();
    return 0;
}
