#include "app/access/announcer.h"
#include "app/home/home_control.h"
#include "app/learning/login_reminder.h"
#include "frame_fixture.h"
#include "support/games.h"
#include "support/practice_day.h"
#include "view/home/home_page.h"
#include "view/home/list_table_model.h"
#include "view/home/year_calendar.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>

namespace {

using namespace std::chrono;

class NoonClock : public Clock {
public:
    std::time_t Now() const override { return Noon(Today); }
    static std::time_t Noon(Day day) {
        const year_month_day date(day);
        std::tm noon{};
        noon.tm_year = static_cast<int>(date.year()) - 1900;
        noon.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
        noon.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
        noon.tm_hour = 12;
        noon.tm_isdst = -1;
        return std::mktime(&noon);
    }
};

class HomeTest : public FrameTest {
protected:
    void SetUp() override {
        store = &UseProgressStoreInTestFolder();
        frame->Learning().SetClock(std::make_unique<NoonClock>());
        ListenToAnnouncements([this](const QString& text) { heard.append(text); });
    }
    void TearDown() override { ListenToAnnouncements({}); }

    // A game of the list at `path` on `day`, each word missed (Again: due the next day).
    void Played(const std::string& path, const std::string& fingerprint,
                std::vector<std::string> words, Day day) {
        GameResult game{path, fingerprint,    NoonClock::Noon(day), 60, 1, 1, 1, 0, 0, false, 0,
                        {},   GameKind::List, "List " + fingerprint};
        for (const std::string& word : words) {
            game.outcomes.push_back({{fingerprint, word, "to " + word}, 1, 0, 0, Grade::Again});
        }
        ASSERT_TRUE(store->Record(game)) << EnglishText(store->Problem());
    }
    HomePage& Page() { return frame->Home().Page(); }
    bool HomeShows() { return frame->Home().Showing(); }
    QString Cell(int row, int column) {
        return Page().ListModel().index(row, column).data().toString();
    }

    SqliteProgressStore* store = nullptr;
    QStringList heard;
};

TEST_F(HomeTest, ShowsTheDueCountTheListsAndTheYearAndOrcaHearsTheTodayLine) {
    const std::string kept = WordList("kept.txt", 2).toStdString();
    Played(kept, "aaaaaaaaaaaaaaaa", {"voir", "boire"}, Today - days(2));
    Played("/gone/verbs.txt", "bbbbbbbbbbbbbbbb", {"manger"}, Today - days(1));
    // As at start without a file.
    frame->Home().ShowHome();

    ASSERT_TRUE(HomeShows());
    EXPECT_EQ(Page().TodayLine()->text(), "3 pairs are due today");
    EXPECT_TRUE(heard.contains("3 pairs are due today")) << heard.join('|').toStdString();
    EXPECT_TRUE(Page().StartReviewButton()->isEnabled());
    ASSERT_EQ(Page().ListModel().rowCount(), 2);
    EXPECT_EQ(Cell(0, ListTableModel::Name), "List aaaaaaaaaaaaaaaa (kept.txt)");
    EXPECT_EQ(Cell(0, ListTableModel::Due), "2");
    EXPECT_EQ(Cell(1, ListTableModel::Name), "List bbbbbbbbbbbbbbbb (verbs.txt), missing");
    EXPECT_TRUE(Page().ListModel().index(1, 0).data(Qt::ForegroundRole).isValid())
        << "a list whose file is gone is dimmed";
    EXPECT_FALSE(Page().ListModel().index(0, 0).data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(Page().BackButton()->isVisibleTo(&Page())) << "no game to go back to";

    YearCalendar& calendar = *Page().Calendar();
    QAccessibleInterface* year = QAccessible::queryAccessibleInterface(&calendar);
    ASSERT_TRUE(year);
    ASSERT_EQ(year->childCount(), calendar.CellCount());
    const int last = calendar.CellCount() - 1;
    EXPECT_EQ(year->child(last)->text(QAccessible::Name), "7 December: 0 pairs");
    EXPECT_EQ(year->child(last - 2)->text(QAccessible::Name), "5 December: 2 pairs");
    EXPECT_TRUE(year->child(last - 1)->text(QAccessible::Name).startsWith("6 December: 1 pair"));
    EXPECT_GT(calendar.Level(last - 2), calendar.Level(last - 1));
    EXPECT_EQ(calendar.Level(last), 0);
}

TEST_F(HomeTest, StartReviewDealsTheReviewAndEnterOpensAList) {
    const QString kept = WordList("kept.txt", 2);
    Played(kept.toStdString(), "aaaaaaaaaaaaaaaa", {"word0"}, Today - days(1));
    Trigger(CommandId::ViewHome);
    ASSERT_TRUE(HomeShows());
    QTest::mouseClick(Page().StartReviewButton(), Qt::LeftButton);
    EXPECT_FALSE(HomeShows());
    EXPECT_EQ(ListText(State().WordList), "word0=to word0");

    Trigger(CommandId::ViewHome);
    ASSERT_TRUE(HomeShows());
    Page().Lists()->setCurrentIndex(Page().ListModel().index(0, 0));
    QTest::keyClick(Page().Lists(), Qt::Key_Return);
    EXPECT_FALSE(HomeShows());
    EXPECT_EQ(State().FileDescription, "Test list");
    EXPECT_EQ(TilesOnBoard(), 4);
}

TEST_F(HomeTest, EscapeReturnsToTheGameKeptAndGameFinishedLeadsHome) {
    frame->show();
    OpenLaidOutGame();
    Click(1, 4);
    Click(3, 4);
    ASSERT_EQ(TilesOnBoard(), 4);
    const qsizetype asked = prompter->asked.size();
    Trigger(CommandId::ViewHome);
    ASSERT_TRUE(HomeShows());
    EXPECT_TRUE(Page().BackButton()->isVisibleTo(&Page()));
    QTest::keyClick(Page().Lists(), Qt::Key_Escape);
    EXPECT_FALSE(HomeShows());
    EXPECT_EQ(TilesOnBoard(), 4) << "the game in play is kept";
    EXPECT_EQ(prompter->asked.size(), asked) << "nothing asked about the game";

    learningPrompter->afterGame.push_back(AfterGame::Home);
    Trigger(CommandId::FastAutoFinish);
    ASSERT_TRUE(QTest::qWaitFor([this] { return HomeShows(); }, 5000));
    EXPECT_EQ(Page().ListModel().rowCount(), 1) << "the game just finished is a list played";
}

TEST_F(HomeTest, WithNoListYetTheExamplesAreOfferedAndOpen) {
    Trigger(CommandId::ViewHome);
    EXPECT_EQ(Page().TodayLine()->text(), "Nothing is due. Play a list to start your reviews.");
    EXPECT_FALSE(Page().StartReviewButton()->isEnabled());
    QPushButton* verbs = nullptr;
    for (QPushButton* button : Page().Examples()->findChildren<QPushButton*>()) {
        if (button->text() == "french-verbs") {
            verbs = button;
        }
    }
    ASSERT_TRUE(verbs);
    EXPECT_EQ(verbs->accessibleName(), "Example: french-verbs");
    QTest::mouseClick(verbs, Qt::LeftButton);
    EXPECT_FALSE(HomeShows());
    EXPECT_TRUE(State().HasBoard());
}

TEST_F(HomeTest, LocateMovesTheListsProgressToItsNewPlace) {
    Played("/gone/verbs.txt", "bbbbbbbbbbbbbbbb", {"manger"}, Today - days(1));
    Trigger(CommandId::ViewHome);
    const QString moved = WordList("verbs.txt", 1);
    prompter->filesToOpen.push_back(moved);
    Page().Lists()->setCurrentIndex(Page().ListModel().index(0, 0));
    QPushButton* locate = nullptr;
    for (QPushButton* button : Page().findChildren<QPushButton*>()) {
        if (button->text() == "&Locate…") {
            locate = button;
        }
    }
    ASSERT_TRUE(locate);
    ASSERT_TRUE(locate->isVisibleTo(&Page()));
    QTest::mouseClick(locate, Qt::LeftButton);
    ASSERT_EQ(Page().ListModel().rowCount(), 1);
    EXPECT_EQ(Page().ListModel().At(0).path, moved.toStdString());
    EXPECT_TRUE(Page().ListModel().At(0).fileExists);
    EXPECT_EQ(Cell(0, ListTableModel::Due), "1") << "its progress came along";
}

TEST_F(HomeTest, RemindMeAtLoginWritesTheAutostartEntryAndTakesItAway) {
    frame->show();
    Trigger(CommandId::ViewHome);
    QCheckBox* remind = Page().RemindAtLoginBox();
    ASSERT_FALSE(remind->isChecked()) << "off until asked for";
    for (const bool on : {true, false}) {
        QTest::keyClick(remind, Qt::Key_Space);
        EXPECT_EQ(QFile::exists(LoginReminderPath()), on);
        Trigger(CommandId::ViewHome);
        EXPECT_EQ(remind->isChecked(), on) << "the page shows what is on the disk";
    }
}

TEST_F(HomeTest, AListWhoseFileIsGoneIsDimmedButReadableOnLightAndDarkPalettes) {
    Played("/gone/verbs.txt", "bbbbbbbbbbbbbbbb", {"manger"}, Today - days(1));
    Trigger(CommandId::ViewHome);
    // As dark themes have them: greyed texts close to the background.
    const struct {
        QColor base;
        QColor text;
        QColor greyed;
    } palettes[] = {
        {Qt::white, Qt::black, QColor(190, 190, 190)},
        {QColor(30, 30, 30), QColor(230, 230, 230), QColor(70, 70, 70)},
    };
    for (const auto& [base, text, greyed] : palettes) {
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Disabled, QPalette::Text, greyed);
        palette.setColor(QPalette::PlaceholderText, greyed);
        Page().setPalette(palette);
        const QColor dimmed = Page()
                                  .ListModel()
                                  .index(0, ListTableModel::Name)
                                  .data(Qt::ForegroundRole)
                                  .value<QColor>();
        const std::string shown = dimmed.name().toStdString();
        EXPECT_GT(std::abs(dimmed.lightness() - base.lightness()), 80) << shown;
        EXPECT_GT(std::abs(dimmed.lightness() - text.lightness()), 40) << shown;
    }
}

TEST_F(HomeTest, ArrowKeysWalkTheCalendarsDaysAndTheDayFocusedIsNamed) {
    Played("/v.txt", "aaaaaaaaaaaaaaaa", {"voir"}, Today - days(1));
    frame->show();
    Trigger(CommandId::ViewHome);
    YearCalendar& calendar = *Page().Calendar();
    calendar.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calendar.hasFocus(); }, 2000));
    QAccessibleInterface* year = QAccessible::queryAccessibleInterface(&calendar);
    ASSERT_TRUE(year);
    const int last = calendar.CellCount() - 1;
    const struct {
        Qt::Key key;
        int cell;
    } steps[] = {
        {Qt::Key_Up, last - 1}, {Qt::Key_Left, last - 8}, {Qt::Key_Right, last - 1},
        {Qt::Key_Down, last},   {Qt::Key_Down, last},     {Qt::Key_Home, 0},
        {Qt::Key_Up, 0},        {Qt::Key_End, last},      {Qt::Key_Right, last},
    };
    for (const auto& [key, cell] : steps) {
        QTest::keyClick(&calendar, key);
        EXPECT_EQ(calendar.CurrentCell(), cell) << static_cast<int>(key);
        QAccessibleInterface* focused = year->focusChild();
        ASSERT_TRUE(focused);
        EXPECT_EQ(focused->text(QAccessible::Name), calendar.CellName(cell));
        EXPECT_TRUE(focused->state().focused);
    }
    QTest::keyClick(&calendar, Qt::Key_Up);
    EXPECT_EQ(year->focusChild()->text(QAccessible::Name), "6 December: 1 pair");
}

} // namespace
