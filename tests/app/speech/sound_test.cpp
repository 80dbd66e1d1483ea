#include "app/speech/qt_sound_player.h"
#include "app/speech/speech_control.h"
#include "frame_fixture.h"
#include "modal_answer.h"
#include "view/dialogs/typing_round_dlg.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>

#include <filesystem>
#include <map>

namespace {

// Stands in for the media back end: what would have been played, in order.
class RecordingPlayer : public SoundPlayer {
public:
    explicit RecordingPlayer(std::vector<std::string>& played) : played_(played) {}
    void Play(const std::string& file) override { played_.push_back(file); }
    void Stop() override {}

private:
    std::vector<std::string>& played_;
};

// The first bytes of a WAV and an Ogg file, as the vetting of media reads them.
const std::string Wav = std::string("RIFF\x24\0\0\0WAVEfmt ", 16);
const std::string Ogg = std::string("OggS\0\x02", 6);

class SoundTest : public FrameTest {
protected:
    SoundTest() {
        frame->Speech().UseSoundPlayer(std::make_unique<RecordingPlayer>(played));
        files.Write("perro.wav", Wav);
        files.Write("dog.ogg", Ogg);
        files.Write("fake.wav", "not a recording");
    }
    QAction& PlaySounds() { return *frame->Action(CommandId::PlaySounds); }
    std::string Media(const char* name) const {
        return std::filesystem::canonical(files.path() / name).string();
    }
    // Opens a list of two pairs, perro/dog with their recordings and gato/cat whose file is no
    // recording, and picks by their words.
    void OpenSoundList() {
        Open(QString::fromStdString(files.Write("animals.txt",
                                                "Animals\nperro [sound=perro.wav]\n[sound=dog.ogg] "
                                                "dog\ngato\ncat [sound=fake.wav]\n")));
        ASSERT_TRUE(State().HasBoard());
    }
    void PickWord(const std::string& shown) {
        for (int cell = 0; cell < 5; ++cell) {
            const std::int32_t pair = State().AssignmentArray[cell];
            if (pair < 0) {
                continue;
            }
            const WordPair& words = State().WordList[static_cast<std::size_t>(pair)];
            const std::string& line = State().AssignmentAB[cell] ? *words.TextB : *words.TextA;
            if (line.find(shown) != std::string::npos) {
                Click(cell + 1, 4);
                return;
            }
        }
        ADD_FAILURE() << shown << " is not on the first row";
    }
    std::vector<std::string> played;
};

TEST_F(SoundTest, APickPlaysItsFileAndAMatchBothOneAfterTheOther) {
    OpenSoundList();
    EXPECT_TRUE(PlaySounds().isChecked()) << "on for a list with recordings";
    PickWord("perro");
    EXPECT_EQ(played, std::vector<std::string>{Media("perro.wav")});
    PickWord("dog");
    EXPECT_EQ(played, std::vector<std::string>({Media("perro.wav"), Media("perro.wav")}));
    frame->Speech().OnSoundPlayed();
    EXPECT_EQ(played,
              std::vector<std::string>({Media("perro.wav"), Media("perro.wav"), Media("dog.ogg")}));
    // A file that is no recording, and a side without one, are not played.
    played.clear();
    PickWord("cat");
    PickWord("gato");
    EXPECT_TRUE(played.empty());
}

TEST_F(SoundTest, PlaySoundsOffPlaysNothingAndAListWithoutRecordingsStartsWithItOff) {
    OpenSoundList();
    PlaySounds().trigger();
    EXPECT_FALSE(PlaySounds().isChecked());
    // The player's choice holds for the list's next deal, not for another list.
    Trigger(CommandId::NewGame);
    EXPECT_FALSE(PlaySounds().isChecked());
    PickWord("perro");
    PickWord("dog");
    frame->Speech().OnSoundPlayed();
    EXPECT_TRUE(played.empty());
    prompter->saveChoices = {SaveChoice::Discard};
    OpenList(2);
    EXPECT_FALSE(PlaySounds().isChecked());
    OpenSoundList();
    EXPECT_TRUE(PlaySounds().isChecked());
}

// Dictation: each question plays its side's recording, again on request, and the word heard
// is typed. A side without a usable recording is spoken instead, which needs no file.
TEST_F(SoundTest, AListeningRoundPlaysEachRecordingAgainOnRequestAndTakesTheWordHeard) {
    OpenSoundList();
    const std::map<std::string, QString> words{{Media("perro.wav"), "perro"},
                                               {Media("dog.ogg"), "dog"}};
    int heardRight = 0;
    int silent = 0;
    AnswerWhenShown<CTypingRoundDlg>([&](CTypingRoundDlg& dialog) {
        EXPECT_FALSE(dialog.ListenButton()->isVisibleTo(&dialog));
        const int listen =
            dialog.DirectionBox()->findData(static_cast<int>(RoundDirection::Listen));
        ASSERT_GE(listen, 0);
        played.clear();
        dialog.DirectionBox()->setCurrentIndex(listen);
        emit dialog.DirectionBox()->activated(listen);
        for (int question = 0; question < 8 && !dialog.Summary()->isVisible(); ++question) {
            EXPECT_TRUE(dialog.Word()->text().isEmpty());
            EXPECT_TRUE(dialog.ListenButton()->isVisibleTo(&dialog));
            const std::vector<std::string> first = played;
            if (first.empty()) {
                ++silent;
                QTest::keyClicks(dialog.AnswerLine(), "?");
            } else {
                dialog.ListenButton()->click();
                EXPECT_EQ(played, std::vector<std::string>({first[0], first[0]}));
                EXPECT_EQ(dialog.focusWidget(), dialog.AnswerLine());
                QTest::keyClicks(dialog.AnswerLine(), words.at(first[0]));
            }
            QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
            heardRight += dialog.Verdict()->text().startsWith("<b>Right</b>") ? 1 : 0;
            played.clear();
            QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
        }
        EXPECT_TRUE(dialog.Summary()->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Trigger(CommandId::TypeTheWords);
    // perro/dog is asked by one of its recordings; gato/cat has none, so it is asked, missed
    // and asked again, silently here.
    EXPECT_EQ(heardRight, 1);
    EXPECT_EQ(silent, 2);
}

// The real back end loads a small Ogg Vorbis recording made for the tests.
TEST(QtSoundPlayerTest, ABundledOggRecordingReachesTheLoadedState) {
    QtSoundPlayer player;
    player.Play(QT_TESTCASE_SOURCEDIR "/../data/beep.ogg");
    ASSERT_NE(player.Player(), nullptr);
    if (!player.Player()->isAvailable()) {
        GTEST_SKIP() << "Qt Multimedia has no back end here (install the GStreamer plugins)";
    }
    const bool loaded = QTest::qWaitFor(
        [&player] {
            const QMediaPlayer::MediaStatus status = player.Player()->mediaStatus();
            return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia ||
                   status == QMediaPlayer::BufferingMedia || status == QMediaPlayer::EndOfMedia ||
                   status == QMediaPlayer::InvalidMedia;
        },
        10000);
    ASSERT_TRUE(loaded);
    EXPECT_NE(player.Player()->mediaStatus(), QMediaPlayer::InvalidMedia)
        << player.Player()->errorString().toStdString();
    EXPECT_GT(player.Player()->duration(), 0);
}

} // namespace
