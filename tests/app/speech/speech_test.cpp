#include "app/shell/note_bar.h"
#include "app/speech/qt_speaker.h"
#include "app/speech/speech_control.h"
#include "app/speech/speech_languages.h"
#include "frame_fixture.h"
#include "modal_answer.h"
#include "view/dialogs/languages_dlg.h"
#include "view/dialogs/typing_round_dlg.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace CommandId;

class SpeechTest : public FrameTest {
protected:
    QAction& SpeakWords() { return *frame->Action(CommandId::SpeakWords); }
    // The engine starts on its own thread once speech is turned on; it either offers its
    // languages or takes speech away.
    bool TurnOnAndWaitForEngine() {
        Trigger(CommandId::SpeakWords);
        return QTest::qWaitFor(
            [this] { return frame->Speech().EngineStarted() || !SpeakWords().isEnabled(); }, 15000);
    }
    // Starts the stand-in speech server, where the next window's engine finds it.
    bool StartStandIn(QProcess& server) {
        server.start(
            "python3",
            {QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../scripts/ssip-standin"), socket, log});
        if (!server.waitForStarted() ||
            !QTest::qWaitFor([this] { return QFile::exists(socket); }, 5000)) {
            return false;
        }
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toUtf8());
        return true;
    }
    // Waits until the stand-in has been asked to say `line`, and gives all it was told.
    bool HeardAtLast(const QString& line, QStringList& lines) const {
        QFile recorded(log);
        return QTest::qWaitFor(
            [&] {
                recorded.open(QIODevice::ReadOnly);
                lines = QString::fromUtf8(recorded.readAll()).split('\n');
                recorded.close();
                return lines.contains(line);
            },
            10000);
    }
    // The board column on level 1 (row 4) of the tile showing one side of a pair.
    int ColumnOf(int pair, int side) {
        for (int cell = 0; cell < 5; ++cell) {
            if (State().AssignmentArray[cell] == pair && State().AssignmentAB[cell] == side) {
                return cell + 1;
            }
        }
        return 0;
    }
    const QString socket = QString::fromStdString((files.path() / "ssip.sock").string());
    const QString log = QString::fromStdString((files.path() / "ssip.log").string());
    const QByteArray noServer = qgetenv("SPEECHD_ADDRESS");
};

TEST(SpeechLanguages, ListLanguagesMapToLocalesAndTheChoiceKeepsItsOrder) {
    const std::pair<const char*, const char*> names[] = {
        {"fr", "fr_FR"},
        {"de-DE", "de_DE"},
        {"pt_BR", "pt_BR"},
        {"French", "fr_FR"},
        {" german ", "de_DE"},
        {"Español", "es_ES"},
        {"State", ""},
        {"Word", ""},
        {"xx", ""},
        {"", ""},
    };
    for (const auto& [name, locale] : names) {
        EXPECT_EQ(LocaleFromLanguageName(name), locale) << name;
    }
    EXPECT_EQ(ChooseSideLanguage("it_IT", "French", "ru"), "it_IT");
    EXPECT_EQ(ChooseSideLanguage("", "French", "ru"), "fr_FR");
    EXPECT_EQ(ChooseSideLanguage("", "State", "ru"), "ru");
    EXPECT_EQ(ChooseSideLanguage("", "State", ""), "") << "not the system's language";
    // In doubt, the languages the letters point to are offered, or the system's and others.
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(LanguagesToAskAbout({"es", "pt", "cs", "hu", "it"}, german),
              QStringList({"es", "pt", "cs", "hu"}));
    EXPECT_EQ(LanguagesToAskAbout({}, german), QStringList({"de", "en", "fr", "es"}));
    EXPECT_EQ(LanguagesToAskAbout({}, QLocale::c()), QStringList({"en", "fr", "de", "es"}));
}

// Each language is named in its own words, whatever the window's language.
TEST(SpeechLanguages, TheLanguagesWindowOffersNoCLocaleAndNamesEachInItsOwnWords) {
    const LanguagesDlg::Side side{QString(), "fr_FR", {}};
    const LanguagesDlg dialog({"C", "fr_FR", "de_DE", "es_ES"}, side, side);
    QStringList offered;
    QStringList titles;
    for (int i = 0; i < dialog.WordsBox()->count(); ++i) {
        offered.append(dialog.WordsBox()->itemData(i).toString());
        titles.append(dialog.WordsBox()->itemText(i));
    }
    EXPECT_EQ(offered, QStringList({"", "de_DE", "es_ES", "fr_FR"}));
    EXPECT_EQ(titles, QStringList({"Automatic: français (France)", "Deutsch (Deutschland)",
                                   "español de España", "français (France)"}));
}

// A speech server that takes the engine's connection and answers nothing for a while, as a
// server that hangs does; then it hangs up.
class StalledSpeechServer {
public:
    StalledSpeechServer(const std::string& path, std::chrono::milliseconds stall) {
        listening_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        bind(listening_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        listen(listening_, 1);
        thread_ = std::thread([this, stall] {
            const int client = accept(listening_, nullptr, nullptr);
            if (client < 0) {
                return;
            }
            connected_ = true;
            std::this_thread::sleep_for(stall);
            hungUp_ = true;
            close(client);
        });
    }
    ~StalledSpeechServer() {
        shutdown(listening_, SHUT_RDWR);
        thread_.join();
        close(listening_);
    }
    bool Connected() const { return connected_; }
    bool HungUp() const { return hungUp_; }

private:
    int listening_;
    std::thread thread_;
    std::atomic<bool> connected_{false};
    std::atomic<bool> hungUp_{false};
};

// Closing waits for an engine stuck in its server rather than leave it to be destroyed after
// the application.
TEST(QtSpeakerTest, ClosingWaitsForTheEngineToFinish) {
    const TempDir dir;
    const std::string socketPath = (dir.path() / "stalled.sock").string();
    StalledSpeechServer server(socketPath, std::chrono::milliseconds(3000));
    const QByteArray noServer = qgetenv("SPEECHD_ADDRESS");
    qputenv("SPEECHD_ADDRESS", QByteArray::fromStdString("unix_socket:" + socketPath));
    auto speaker = std::make_unique<QtSpeaker>();
    speaker->Start();
    const bool connected = QTest::qWaitFor([&] { return server.Connected(); }, 10000);
    qputenv("SPEECHD_ADDRESS", noServer);
    ASSERT_TRUE(connected);
    speaker.reset();
    EXPECT_TRUE(server.HungUp());
}

// The tests run against a speech-dispatcher address where nobody listens (see main.cpp).
TEST_F(SpeechTest, WithoutASpeechServerSpeakWordsIsDisabledSaysWhyAndPlayGoesOn) {
    ASSERT_TRUE(TurnOnAndWaitForEngine());
    EXPECT_FALSE(SpeakWords().isEnabled());
    EXPECT_TRUE(SpeakWords().statusTip().contains("speech-dispatcher"))
        << SpeakWords().statusTip().toStdString();
    EXPECT_FALSE(SpeakWords().isChecked());
    // Languages name an exported list's sides too: every language is offered.
    ASSERT_TRUE(frame->Action(Languages)->isEnabled());
    bool offered = false;
    QTimer::singleShot(0, [&offered] {
        auto* dialog = qobject_cast<LanguagesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->WordsBox()->findData("es_ES") > 0 &&
                  dialog->TranslationsBox()->findData("de_DE") > 0;
        dialog->reject();
    });
    Trigger(Languages);
    EXPECT_TRUE(offered);
    OpenList(2);
    Click(ColumnOf(0, 0), 4);
    EXPECT_TRUE(State().HasSelection());
}

// The real engine, talking SSIP to a stand-in server that records instead of speaking. A side
// whose language is in doubt is asked for once and kept silent until it is chosen.
TEST_F(SpeechTest, APickedSpanishWordReachesTheServerInSpanishAndItsPartnerInTheChosenEnglish) {
    QProcess server;
    ASSERT_TRUE(StartStandIn(server));
    // The match ends the game: its summary must not wait for a click.
    MakeFrame();
    EXPECT_FALSE(SpeakWords().isChecked()); // off on a first start
    const bool started = TurnOnAndWaitForEngine();
    qputenv("SPEECHD_ADDRESS", noServer);
    ASSERT_TRUE(started);
    ASSERT_TRUE(SpeakWords().isEnabled()) << SpeakWords().statusTip().toStdString();
    // Spanish by its ñ; the translation has no letter of its own, so its language is asked
    // for, and it is not said in the meantime.
    Open(QString::fromStdString(files.Write("spanish.txt", "Spanish\nel niño\nthe boy\n")));
    ASSERT_EQ(frame->Notes().Notes().size(), 1);
    EXPECT_TRUE(frame->Notes().Notes()[0].contains("the translations (English / "))
        << frame->Notes().Notes()[0].toStdString();
    Click(ColumnOf(0, 1), 4);
    Click(ColumnOf(0, 1), 4);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<LanguagesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->WordsBox()->itemText(0), "Automatic: español de España");
        EXPECT_EQ(dialog->TranslationsBox()->itemText(0), "Automatic: not known, not spoken");
        dialog->TranslationsBox()->setCurrentIndex(dialog->TranslationsBox()->findData("en_US"));
        dialog->accept();
    });
    Trigger(Languages);
    EXPECT_TRUE(frame->Notes().Notes().isEmpty()) << "answered";
    // A cancelled File > Open keeps the list, and so its languages for the next deal.
    Trigger(FileOpen);
    Trigger(NewGame);

    Click(ColumnOf(0, 0), 4);
    Click(ColumnOf(0, 1), 4);
    QStringList lines;
    const bool heard = HeardAtLast("SPEAK the boy", lines);
    server.kill();
    server.waitForFinished();
    ASSERT_TRUE(heard) << lines.join('\n').toStdString();
    // Each word goes with the language and voice set last before it.
    const auto setBefore = [&lines](const QString& spoken, const QString& setting) {
        const qsizetype at = lines.indexOf(spoken);
        for (qsizetype i = at; i >= 0; --i) {
            if (lines[i].startsWith(setting)) {
                return lines[i].mid(setting.size());
            }
        }
        return QString();
    };
    EXPECT_EQ(setBefore("SPEAK el niño", "SET SELF SYNTHESIS_VOICE "), "Spanish");
    EXPECT_TRUE(setBefore("SPEAK el niño", "SET SELF LANGUAGE ").startsWith("es"));
    EXPECT_EQ(setBefore("SPEAK the boy", "SET SELF SYNTHESIS_VOICE "), "English");
    EXPECT_TRUE(setBefore("SPEAK the boy", "SET SELF LANGUAGE ").startsWith("en"));
    // Nothing before the choice; then the pick and the match: the selected word first, then
    // its partner.
    EXPECT_EQ(lines.filter(QRegularExpression("^SPEAK ")),
              QStringList({"SPEAK el niño", "SPEAK el niño", "SPEAK the boy"}));
}

// A listening round on a list without recordings speaks each word, the first one too, which is
// asked before the engine has started.
TEST_F(SpeechTest, AListeningRoundSpeaksItsFirstWordOnceTheEngineHasStarted) {
    QProcess server;
    ASSERT_TRUE(StartStandIn(server));
    MakeFrame();
    Open(QString::fromStdString(files.Write("spanish.txt", "Spanish\nel niño\nthe boy\n")));
    QStringList lines;
    bool heard = false;
    AnswerWhenShown<CTypingRoundDlg>([&](CTypingRoundDlg& dialog) {
        const int listen =
            dialog.DirectionBox()->findData(static_cast<int>(RoundDirection::Listen));
        dialog.DirectionBox()->setCurrentIndex(listen);
        emit dialog.DirectionBox()->activated(listen);
        heard = HeardAtLast("SPEAK el niño", lines);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Trigger(CommandId::TypeTheWords);
    qputenv("SPEECHD_ADDRESS", noServer);
    server.kill();
    server.waitForFinished();
    EXPECT_TRUE(heard) << lines.join('\n').toStdString();
}

} // namespace
