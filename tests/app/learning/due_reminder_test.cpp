#include "app/learning/login_reminder.h"
#include "glossatiles_project.h"
#include "learning/sqlite_progress_store.h"
#include "support/temp_dir.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

namespace {

// What the desktop's notification service does with a notification.
enum class Answer { StartReview, Close };

// The freedesktop notification service, as far as the reminder uses it.
class NotificationStandIn : public QDBusVirtualObject {
public:
    Answer answer = Answer::StartReview;
    QStringList summaries;
    QStringList actions;

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != u"Notify" || message.arguments().size() != 8) {
            return false;
        }
        summaries.append(message.arguments()[3].toString());
        actions = message.arguments()[5].toStringList();
        const uint id = 7;
        connection.send(message.createReply(QVariant::fromValue(id)));
        const bool start = answer == Answer::StartReview;
        QDBusMessage signal = QDBusMessage::createSignal(
            message.path(), message.interface(),
            start ? QStringLiteral("ActionInvoked") : QStringLiteral("NotificationClosed"));
        signal << QVariant::fromValue(id);
        signal << (start ? QVariant(actions.value(0)) : QVariant::fromValue(2u));
        connection.send(signal);
        return true;
    }
    QString introspect(const QString&) const override { return {}; }
};

// A private session bus of its own, gone with the test.
class PrivateBus {
public:
    explicit PrivateBus(const std::filesystem::path& folder)
        : address_(QStringLiteral("unix:path=%1").arg((folder / "bus").c_str())) {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--address=") + address_});
        ready_ = QTest::qWaitFor([&] { return std::filesystem::exists(folder / "bus"); }, 5000);
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus(QStringLiteral("stand-in"));
        daemon_.kill();
        daemon_.waitForFinished();
    }
    bool Ready() const { return ready_; }
    const QString& Address() const { return address_; }
    bool Serve(NotificationStandIn& standIn) {
        QDBusConnection bus = QDBusConnection::connectToBus(address_, QStringLiteral("stand-in"));
        return bus.registerService(QStringLiteral("org.freedesktop.Notifications")) &&
               bus.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"),
                                         &standIn);
    }

private:
    QString address_;
    QProcess daemon_;
    bool ready_ = false;
};

// Two pairs missed three days ago: both due today.
void KeepDuePairs(const std::filesystem::path& dataHome) {
    std::filesystem::create_directories(dataHome / "glossatiles");
    SqliteProgressStore store((dataHome / "glossatiles" / "progress.sqlite").string());
    GameResult game{
        "/lists/verbs.txt", "v1",   std::time(nullptr) - 3 * 86400, 60, 2, 2, 2, 0, 0, false, 0, {},
        GameKind::List,     "Verbs"};
    for (const char* word : {"voir", "boire"}) {
        game.outcomes.push_back({{"v1", word, std::string("to ") + word}, 1, 0, 0, Grade::Again});
    }
    ASSERT_TRUE(store.Record(game)) << EnglishText(store.Problem());
}

TEST(DueReminderTest, RemindNotifiesOfDuePairsStartsTheReviewOnRequestAndIsQuietOtherwise) {
    enum class Desktop { Service, NoService, NoBus };
    const struct {
        const char* what;
        bool due;
        Desktop desktop;
        Answer answer;
        const char* summary;
        bool launched;
    } cases[] = {
        {"the learner starts the review", true, Desktop::Service, Answer::StartReview,
         "2 pairs are due today", true},
        {"the learner closes it", true, Desktop::Service, Answer::Close, "2 pairs are due today",
         false},
        {"nothing is due", false, Desktop::Service, Answer::StartReview, nullptr, false},
        {"no notification service", true, Desktop::NoService, Answer::StartReview, nullptr, false},
        {"no session bus", true, Desktop::NoBus, Answer::StartReview, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TempDir folder;
        if (c.due) {
            KeepDuePairs(folder.path() / "data");
        }
        const std::string launched = (folder.path() / "launched").string();
        const std::string game =
            folder.Write("game", "#!/bin/sh\necho \"$@\" > " + launched + "\n");
        std::filesystem::permissions(game, std::filesystem::perms::owner_all);
        PrivateBus bus(folder.path());
        ASSERT_TRUE(bus.Ready());
        NotificationStandIn standIn;
        standIn.answer = c.answer;
        if (c.desktop == Desktop::Service) {
            ASSERT_TRUE(bus.Serve(standIn));
        }

        QProcess remind;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS",
                           c.desktop == Desktop::NoBus
                               ? QStringLiteral("unix:path=%1/none").arg(folder.path().c_str())
                               : bus.Address());
        environment.insert("XDG_DATA_HOME", QString::fromStdString((folder.path() / "data")));
        environment.insert("GLOSSATILES_REVIEW_PROGRAM", QString::fromStdString(game));
        environment.insert("LANGUAGE", "en");
        remind.setProcessEnvironment(environment);
        QEventLoop wait;
        QObject::connect(&remind, &QProcess::finished, &wait, &QEventLoop::quit);
        QTimer::singleShot(20000, &wait, &QEventLoop::quit);
        remind.start(QStringLiteral(GLOSSATILES_GAME), {QStringLiteral("--remind")});
        // The stand-in answers while the game waits.
        wait.exec();

        ASSERT_EQ(remind.state(), QProcess::NotRunning);
        EXPECT_EQ(remind.exitCode(), 0);
        EXPECT_EQ(remind.readAllStandardError().toStdString(), "");
        EXPECT_EQ(standIn.summaries,
                  c.summary ? QStringList{QString::fromLatin1(c.summary)} : QStringList());
        if (c.summary) {
            EXPECT_EQ(standIn.actions.value(1), "Start review");
        }
        // Started apart from the reminder, it may finish after it.
        const bool started = QTest::qWaitFor([&] { return std::filesystem::exists(launched); },
                                             c.launched ? 5000 : 300);
        EXPECT_EQ(started, c.launched);
        if (started) {
            EXPECT_EQ(ReadBytes(launched), "--review\n");
        }
    }
}

TEST(DueReminderTest, TheLoginEntryRunsTheReminderAndIsWrittenAndRemoved) {
    const TempDir folder;
    const std::string onPath = folder.Write("glossatiles", "#!/bin/sh\n");
    std::filesystem::permissions(onPath, std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(folder.path().string()) + ":" + path);
    const struct {
        QString program;
        QString exec;
    } cases[] = {
        {QString::fromStdString(onPath), "Exec=glossatiles --remind\n"},
        {"/opt/my games/glossatiles", "Exec=\"/opt/my games/glossatiles\" --remind\n"},
        {"/opt/a\"b$c/glossatiles", "Exec=\"/opt/a\\\"b\\$c/glossatiles\" --remind\n"},
    };
    for (const auto& [program, exec] : cases) {
        const QString entry = LoginReminderEntry(program);
        EXPECT_TRUE(entry.startsWith("[Desktop Entry]\nType=Application\n")) << entry.toStdString();
        EXPECT_TRUE(entry.contains(u'\n' + exec)) << entry.toStdString();
    }
    qputenv("PATH", path);

    const QString file = LoginReminderPath();
    EXPECT_TRUE(file.endsWith(QStringLiteral("/autostart/%1.desktop").arg(GlossatilesAppId)))
        << file.toStdString();
    EXPECT_TRUE(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << file.toStdString();
    for (const bool on : {true, true, false, false}) {
        QString problem;
        EXPECT_TRUE(SetLoginReminder(on, problem)) << problem.toStdString();
        EXPECT_EQ(LoginReminderOn(), on);
        EXPECT_EQ(QFile::exists(file), on);
    }
}

} // namespace
