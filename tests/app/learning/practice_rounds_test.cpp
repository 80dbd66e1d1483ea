#include "app/access/announcer.h"
#include "frame_fixture.h"
#include "learning/pair_identity.h"
#include "learning/schedule_order.h"
#include "modal_answer.h"
#include "view/dialogs/choice_dlg.h"
#include "view/dialogs/flashcard_dlg.h"
#include "view/dialogs/typing_round_dlg.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <map>

namespace {

const std::map<QString, QString> Partners = {{"chat", "cat"}, {"chien", "dog"}, {"oiseau", "bird"}};
const std::map<QString, int> Places = {{"chat", 0}, {"chien", 1}, {"oiseau", 2}};

void Press(QWidget& dialog, Qt::Key key) {
    QTest::keyClick(dialog.focusWidget(), key);
}

// A key held down: the window sees only its repeats.
void Repeat(QWidget& dialog, Qt::Key key) {
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(dialog.focusWidget(), &repeat);
}

class PracticeRoundsTest : public FrameTest {
protected:
    void SetUp() override {
        store = &UseProgressStoreInTestFolder();
        OpenLaidOutGame();
        ListenToAnnouncements([this](const QString& text) { heard.append(text); });
    }
    void TearDown() override { ListenToAnnouncements({}); }

    template <typename Dialog> void Play(int command, std::function<void(Dialog&)> answer) {
        bool closed = false;
        AnswerWhenShown<Dialog>([&](Dialog& dialog) {
            answer(dialog);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the round's window is still open";
                dialog.done(QDialog::Rejected);
            }
            closed = true;
        });
        Trigger(command);
        ASSERT_TRUE(QTest::qWaitFor([&] { return closed; }, 5000));
    }
    // When each pair of the list comes back, by its place.
    std::vector<std::optional<Day>> DueDays() {
        const auto memories = MemoriesInPlay(State(), *store, frame->Learning().Today());
        std::vector<std::optional<Day>> due;
        for (const PairMemory& memory : memories.value_or(std::vector<PairMemory>{})) {
            due.push_back(memory.schedule ? std::optional(memory.schedule->due) : std::nullopt);
        }
        return due;
    }
    std::vector<std::tuple<std::string, int, int, int>> Games() {
        std::vector<std::tuple<std::string, int, int, int>> games;
        for (const auto& game :
             store->Games(IdentityOf(State()).fingerprint).value_or(std::vector<GameResult>{})) {
            games.emplace_back(game.kind, game.pairs, game.correct, game.wrong);
        }
        return games;
    }

    SqliteProgressStore* store = nullptr;
    QStringList heard;
};

TEST_F(PracticeRoundsTest, FlashcardsTurnAndGradeByKeysAndAnAgainCardComesBackOnce) {
    EXPECT_EQ(frame->Action(CommandId::Flashcards)->shortcut(), QKeySequence("Ctrl+K"));
    std::vector<QString> fronts;
    QString typed;
    Play<CFlashcardDlg>(CommandId::Flashcards, [&](CFlashcardDlg& dialog) {
        for (const Qt::Key grade : {Qt::Key_1, Qt::Key_4, Qt::Key_3, Qt::Key_1}) {
            fronts.push_back(dialog.Word()->text());
            EXPECT_EQ(dialog.Back()->text(), "");
            // A grade before the card is turned would be a guess, and a held key acts once.
            Press(dialog, grade);
            EXPECT_EQ(dialog.Word()->text(), fronts.back());
            Press(dialog, Qt::Key_Space);
            Repeat(dialog, Qt::Key_Space);
            Repeat(dialog, Qt::Key_Return);
            EXPECT_EQ(dialog.Back()->text(), Partners.at(fronts.back()));
            EXPECT_EQ(dialog.focusWidget(), dialog.GradeButton(2));
            EXPECT_TRUE(dialog.GradeButton(0)->text().startsWith("&Again · 1 day"))
                << dialog.GradeButton(0)->text().toStdString();
            Press(dialog, grade);
        }
        EXPECT_EQ(fronts.back(), fronts.front()) << "the card graded Again came back last";
        EXPECT_TRUE(dialog.Summary()->isVisible());
        EXPECT_TRUE(dialog.Summary()->text().contains("Again: 1\nHard: 0\nGood: 1\nEasy: 1\n"))
            << dialog.Summary()->text().toStdString();
        AnswerWhenShown<CTypingRoundDlg>([&](CTypingRoundDlg& typing) {
            typed = typing.Word()->text();
            typing.done(QDialog::Rejected);
        });
        dialog.TypeAgainButton()->click();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !typed.isEmpty(); }, 5000));
    EXPECT_EQ(typed, fronts.front());

    // Again, twice on one day, is due tomorrow; Easy later than Good.
    const Day today = frame->Learning().Today();
    const auto due = DueDays();
    ASSERT_EQ(due.size(), 3u);
    const auto dueOf = [&](int card) { return *due[Places.at(fronts[card])]; };
    EXPECT_EQ(dueOf(0), today + std::chrono::days(1));
    EXPECT_GT(dueOf(1), dueOf(2));
    EXPECT_GT(dueOf(2), dueOf(0));
    EXPECT_EQ(Games(), (std::vector{std::tuple(std::string(GameKind::Flashcards), 3, 2, 1)}));
    // Orca hears the card, the turned side with the intervals, and the summary.
    ASSERT_GE(heard.size(), 3);
    EXPECT_EQ(heard[0], "1 of 3. " + fronts[0]);
    EXPECT_TRUE(heard[1].startsWith(Partners.at(fronts[0]) + ". 1 Again · 1 day. 2 Hard"))
        << heard[1].toStdString();
    EXPECT_TRUE(heard[2].startsWith("2 of 4. ")) << heard[2].toStdString();
}

TEST_F(PracticeRoundsTest, EscapeEndsTheFlashcardsKeepingWhatWasGraded) {
    Play<CFlashcardDlg>(CommandId::Flashcards, [](CFlashcardDlg& dialog) {
        Press(dialog, Qt::Key_Return);
        dialog.GradeButton(2)->click();
        Press(dialog, Qt::Key_Space);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.Summary()->text().startsWith("The round is over: 1 card."))
            << dialog.Summary()->text().toStdString();
        EXPECT_FALSE(dialog.TypeAgainButton()->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Games(), (std::vector{std::tuple(std::string(GameKind::Flashcards), 1, 1, 0)}));
    const auto due = DueDays();
    EXPECT_EQ(std::ranges::count(due, std::optional<Day>()), 2);
}

TEST_F(PracticeRoundsTest, ChoicesByNumberAndByArrowsAreRightOrWrongAndScheduled) {
    EXPECT_EQ(frame->Action(CommandId::ChooseTheWord)->shortcut(), QKeySequence("Ctrl+M"));
    std::vector<QString> asked;
    Play<CChoiceDlg>(CommandId::ChooseTheWord, [&](CChoiceDlg& dialog) {
        // Wrong by its number, then right by the arrows and Enter.
        for (const bool right : {false, true}) {
            asked.push_back(dialog.Word()->text());
            const QString answer = Partners.at(asked.back());
            std::vector<QString> offered;
            int rightAt = -1;
            for (QPushButton* button : dialog.AnswerButtons()) {
                if (button->isVisible()) {
                    offered.push_back(button->accessibleName().section(". ", 1));
                    rightAt = offered.back() == answer ? int(offered.size()) - 1 : rightAt;
                }
            }
            ASSERT_EQ(offered.size(), 3u) << "a list of three pairs offers three answers";
            ASSERT_GE(rightAt, 0);
            if (right) {
                for (int i = 0; i < rightAt + 3; ++i) {
                    Press(dialog, Qt::Key_Down);
                }
                Press(dialog, Qt::Key_Return);
                EXPECT_EQ(dialog.Verdict()->text(), "Right: " + answer);
            } else {
                const int wrongAt = (rightAt + 1) % 3;
                Press(dialog, Qt::Key(Qt::Key_1 + wrongAt));
                Repeat(dialog, Qt::Key(Qt::Key_1 + rightAt));
                EXPECT_EQ(dialog.Verdict()->text(),
                          "Wrong: " + offered[wrongAt] + " (the answer: " + answer + ")");
            }
            Repeat(dialog, Qt::Key_Return);
            EXPECT_EQ(dialog.Word()->text(), asked.back()) << "a held key acts once";
            Press(dialog, Qt::Key_Return);
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(Games(), (std::vector{std::tuple(std::string(GameKind::Choice), 2, 1, 1)}));
    const Day today = frame->Learning().Today();
    const auto due = DueDays();
    EXPECT_EQ(*due[Places.at(asked[0])], today + std::chrono::days(1));
    EXPECT_GT(*due[Places.at(asked[1])], today + std::chrono::days(1));
    ASSERT_GE(heard.size(), 2);
    EXPECT_TRUE(heard[0].startsWith("1 of 3. " + asked[0] + ". Choose its translation: 1. "))
        << heard[0].toStdString();
    EXPECT_TRUE(heard[1].startsWith("Wrong: ")) << heard[1].toStdString();
}

// A side with a picture and no word is asked by the picture; the note comes with the back.
TEST_F(PracticeRoundsTest, AFlashcardShowsItsPictureAndTurnedItsNote) {
    QImage cat(40, 30, QImage::Format_RGB32);
    cat.fill(Qt::gray);
    ASSERT_TRUE(cat.save(QString::fromStdString((files.path() / "cat.png").string())));
    Open(QString::fromStdString(
        files.Write("media.txt", "Animals\n[image=cat.png]\ngato [note=f. gata]\nperro\ndog\n")));
    ASSERT_TRUE(State().HasBoard());
    Play<CFlashcardDlg>(CommandId::Flashcards, [](CFlashcardDlg& dialog) {
        EXPECT_FALSE(dialog.Word()->isVisible());
        EXPECT_TRUE(dialog.Picture()->isVisible());
        EXPECT_EQ(dialog.Picture()->pixmap().size(), QSize(40, 30));
        EXPECT_FALSE(dialog.Note()->isVisible());
        Press(dialog, Qt::Key_Space);
        EXPECT_EQ(dialog.Back()->text(), "gato");
        EXPECT_EQ(dialog.Note()->text(), "f. gata");
        EXPECT_TRUE(dialog.Note()->isVisible());
        dialog.done(QDialog::Rejected);
    });
}

// Grade labels come translated, so their mnemonics are found, not written: each takes its first
// letter that the window's other controls leave free.
TEST(PracticeMnemonics, ALabelTakesItsFirstFreeLetterAndKeepsItsAmpersands) {
    struct Case {
        QString label, taken, marked, takenAfter;
    };
    const Case cases[] = {
        {"Again · 1 day", "dt", "&Again · 1 day", "dta"},
        {"Difficile", "sd", "D&ifficile", "sdi"},
        {"Fácil", "fdi", "F&ácil", "fdiá"},
        {"R&D", "", "&R&&D", "r"},
        {"12 ab", "ab", "12 ab", "ab"},
    };
    for (const Case& c : cases) {
        QString taken = c.taken;
        EXPECT_EQ(WithMnemonic(c.label, taken), c.marked);
        EXPECT_EQ(taken, c.takenAfter);
    }
    EXPECT_EQ(MnemonicOf("&Direction:"), "d");
    EXPECT_EQ(MnemonicOf("Save && &Quit"), "q");
    EXPECT_EQ(MnemonicOf("Fish && Chips"), "");
}

TEST_F(PracticeRoundsTest, GameFinishedPractisesTheMissedPairsOnly) {
    for (const auto& [after, title] : {std::pair(AfterGame::FlashcardPairs, "Flashcards"),
                                       std::pair(AfterGame::ChoosePairs, "Choose the Word")}) {
        SCOPED_TRACE(title);
        OpenLaidOutGame();
        learningPrompter->afterGame.push_back(after);
        std::optional<std::pair<QString, QString>> asked;
        AnswerWhenShown<CPracticeDlg>([&](CPracticeDlg& dialog) {
            EXPECT_EQ(dialog.windowTitle(), title);
            asked = std::pair(dialog.Word()->text(), dialog.Place()->text());
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        // Chat is picked with chien once, then every pair is matched.
        Click(1, 4), Click(2, 4), Click(3, 4), Click(2, 4), Click(4, 4), Click(1, 4), Click(5, 3);
        ASSERT_TRUE(QTest::qWaitFor([&] { return asked.has_value(); }, 5000));
        EXPECT_EQ(*asked, std::pair(QString("chat"), QString("1 of 1")));
    }
}

} // namespace
