#include "app/access/announcer.h"
#include "app/learning/typing_control.h"
#include "frame_fixture.h"
#include "learning/pair_identity.h"
#include "learning/sqlite_progress_store.h"
#include "modal_answer.h"
#include "view/dialogs/typing_round_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <map>

namespace {

const std::map<QString, QString> Partners = {{"chat", "cat"}, {"chien", "dog"}, {"oiseau", "bird"},
                                             {"cat", "chat"}, {"dog", "chien"}, {"bird", "oiseau"}};

void Type(CTypingRoundDlg& dialog, const QString& answer) {
    QTest::keyClicks(dialog.AnswerLine(), answer);
    QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
}

class TypingRoundTest : public FrameTest {
protected:
    void SetUp() override {
        store = &UseProgressStoreInTestFolder();
        OpenLaidOutGame();
        QObject::connect(&frame->Typing(), &TypingControl::RoundEnded,
                         [this](const TypingRound& round) { summary = round.Summary(); });
        ListenToAnnouncements([this](const QString& text) { heard.append(text); });
    }
    void TearDown() override { ListenToAnnouncements({}); }
    // Runs Type the Words, with `answer` playing the window.
    void TypeTheWords(std::function<void(CTypingRoundDlg&)> answer) {
        AnswerWhenShown<CTypingRoundDlg>(std::move(answer));
        Trigger(CommandId::TypeTheWords);
    }
    std::optional<RoundSummary> summary;
    SqliteProgressStore* store = nullptr;
    // What a screen reader was told.
    QStringList heard;
};

TEST_F(TypingRoundTest, EnterChecksAndGoesOnAndEscapeEndsWithASummaryOfWhatWasAnswered) {
    EXPECT_EQ(frame->Action(CommandId::TypeTheWords)->shortcut(), QKeySequence("Ctrl+T"));
    std::vector<QString> asked;
    TypeTheWords([&](CTypingRoundDlg& dialog) {
        asked.push_back(dialog.Word()->text());
        EXPECT_EQ(dialog.focusWidget(), dialog.AnswerLine());
        EXPECT_TRUE(dialog.AnswerLine()->accessibleDescription().endsWith(asked.back()));
        Type(dialog, Partners.at(asked.back()).toUpper());
        EXPECT_TRUE(dialog.Verdict()->text().startsWith("<b>Right</b>"));

        QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
        asked.push_back(dialog.Word()->text());
        EXPECT_EQ(dialog.AnswerLine()->text(), "");
        Type(dialog, "x" + Partners.at(asked.back()));
        EXPECT_TRUE(dialog.Verdict()->text().contains("Wrong"))
            << dialog.Verdict()->text().toStdString();
        EXPECT_TRUE(dialog.Verdict()->text().contains("<u style=\"color:#c00000\">x</u>"));

        QTest::keyClick(dialog.AnswerLine(), Qt::Key_Escape);
        EXPECT_TRUE(dialog.Summary()->isVisible());
        EXPECT_TRUE(dialog.Summary()->text().contains(
            "Right at the first try: 1\nRight after a retry: 0\nWrong: 1\n"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return summary.has_value(); }, 5000));
    EXPECT_EQ(summary->pairs, 2);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_NE(asked[0], asked[1]);
    // The first word is read with the answer line that has the focus when the window opens.
    ASSERT_EQ(heard.size(), 4) << heard.join(" | ").toStdString();
    EXPECT_EQ(heard[0], "Right. The answer: " + Partners.at(asked[0]));
    EXPECT_EQ(heard[1], "Type the translation of: " + asked[1]);
    EXPECT_EQ(heard[2], "Wrong. The answer: " + Partners.at(asked[1]));
    EXPECT_TRUE(heard[3].startsWith("The round is over.")) << heard[3].toStdString();
    const auto games = store->Games(IdentityOf(State()).fingerprint);
    ASSERT_TRUE(games) << EnglishText(store->Problem());
    ASSERT_EQ(games->size(), 1u);
    EXPECT_EQ(
        std::tuple(games->at(0).kind, games->at(0).pairs, games->at(0).correct, games->at(0).wrong),
        std::tuple(std::string(GameKind::Typing), 2, 1, 1));
}

// Kept under the list in play, which a cancelled File > Open leaves in play: so is the round.
TEST_F(TypingRoundTest, TheDirectionChosenInTheRoundIsRememberedForTheList) {
    TypeTheWords([](CTypingRoundDlg& dialog) {
        EXPECT_EQ(dialog.DirectionBox()->currentIndex(), 0);
        dialog.DirectionBox()->setCurrentIndex(1);
        emit dialog.DirectionBox()->activated(1);
        EXPECT_TRUE(QStringList({"cat", "dog", "bird"}).contains(dialog.Word()->text()));
        dialog.done(QDialog::Rejected);
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return summary.has_value(); }, 5000));
    EXPECT_EQ(summary->pairs, 0);

    Trigger(CommandId::FileOpen);
    ASSERT_EQ(State().BrowseFileName, "") << "the chooser was cancelled";
    summary.reset();
    TypeTheWords([](CTypingRoundDlg& dialog) {
        EXPECT_EQ(dialog.DirectionBox()->currentIndex(), 1);
        ASSERT_TRUE(QStringList({"cat", "dog", "bird"}).contains(dialog.Word()->text()));
        Type(dialog, Partners.at(dialog.Word()->text()));
        QTest::keyClick(dialog.AnswerLine(), Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return summary.has_value(); }, 5000));
    const auto games = store->Games(IdentityOf(State()).fingerprint);
    ASSERT_TRUE(games && games->size() == 1u) << EnglishText(store->Problem());
    EXPECT_EQ(games->at(0).listPath, "list.txt");
}

// Asked for the French words: a slip in a long one is Almost, which names the answer once; a
// wrong answer the player overrules with "I was right" counts as Hard and does not come back.
TEST_F(TypingRoundTest, AlmostNamesTheAnswerOnceAndIWasRightCountsAWrongAnswer) {
    QStringList progress;
    TypeTheWords([&](CTypingRoundDlg& dialog) {
        dialog.DirectionBox()->setCurrentIndex(1);
        emit dialog.DirectionBox()->activated(1);
        for (int question = 0; question < 3; ++question) {
            progress.append(dialog.ProgressLabel()->text());
            const QString expected = Partners.at(dialog.Word()->text());
            SCOPED_TRACE(expected.toStdString());
            if (expected.size() >= 5) {
                Type(dialog, expected.chopped(1));
                EXPECT_TRUE(dialog.Verdict()->text().startsWith("<b>Almost</b>"));
                EXPECT_EQ(dialog.Verdict()->text().count(expected), 1);
                EXPECT_FALSE(dialog.OverruleButton()->isVisible());
            } else {
                Type(dialog, "zzz");
                ASSERT_TRUE(dialog.OverruleButton()->isVisible());
                dialog.OverruleButton()->click();
                EXPECT_EQ(dialog.Verdict()->text(), "<b>Counted as right</b>");
                EXPECT_FALSE(dialog.OverruleButton()->isVisible());
            }
            QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
        }
        EXPECT_TRUE(dialog.Summary()->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return summary.has_value(); }, 5000));
    EXPECT_EQ(progress, QStringList({"1 of 3", "2 of 3", "3 of 3"}));
    EXPECT_EQ(std::tuple(summary->rightFirstTry, summary->wrong, summary->grades[1]),
              std::tuple(3, 0, 3));
}

TEST_F(TypingRoundTest, GameFinishedTypesTheMissedPairsOnly) {
    learningPrompter->afterGame.push_back(AfterGame::TypePairs);
    QString word;
    AnswerWhenShown<CTypingRoundDlg>([&](CTypingRoundDlg& dialog) {
        word = dialog.Word()->text();
        Type(dialog, "cat");
        QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
        EXPECT_TRUE(dialog.Summary()->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    // Chat is picked with chien once, then every pair is matched.
    Click(1, 4), Click(2, 4), Click(3, 4), Click(2, 4), Click(4, 4), Click(1, 4), Click(5, 3);
    ASSERT_TRUE(QTest::qWaitFor([this] { return summary.has_value(); }, 5000));
    EXPECT_EQ(word, "chat");
    EXPECT_EQ(summary->pairs, 1);
    EXPECT_EQ(summary->rightFirstTry, 1);
}

} // namespace
