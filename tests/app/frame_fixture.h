#pragma once

#include "app/base/command_ids.h"
#include "app/base/game_in_play.h"
#include "app/board/glossatiles_view.h"
#include "app/learning/game_learning.h"
#include "app/shell/main_frame.h"
#include "learning/sqlite_progress_store.h"
#include "support/temp_dir.h"
#include "test_learning_prompter.h"
#include "test_prompter.h"
#include "view/board_image.h"

#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <memory>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A saved game of three pairs on two levels, laid out by hand:
//   level 1 (row 4): pair 0 at columns 1 and 3, pair 1 at columns 2 and 4, column 5 empty;
//   level 2: pair 2 under column 1 of row 4, and at column 5 of row 3;
// with the counters Correct, Wrong and Hints and the word list it was started from. `pairs`
// lays out others: cells 0 to 4 are row 4 of level 1, cells 5 to 19 rows 3 to 5 of level 2.
inline constexpr std::array<int, 20> LaidOutPairs = {0, 1,  0,  1,  -1, -1, -1, -1, -1, 2,
                                                     2, -1, -1, -1, -1, -1, -1, -1, -1, -1};
inline std::string LaidOutGame(std::array<int, 3> counters = {}, std::string source = "list.txt",
                               const std::array<int, 20>& pairs = LaidOutPairs) {
    const std::string section = " section *************************\r\n";
    std::string game =
        "Glossatiles saved game file: Test\r\nGame source file\r\n" + source +
        "\r\nTime 10:00 01-01-2026\r\nCorrect:" + std::to_string(counters[0]) +
        "\r\nWrong:" + std::to_string(counters[1]) + "\r\nHints:" + std::to_string(counters[2]) +
        "\r\nStart of ArrayTop" + section +
        "Index:0:chat:cat\r\nIndex:1:chien:dog\r\nIndex:2:oiseau:bird\r\nEnd of ArrayTop" +
        section + "Start of ArrayIndex" + section + "CellCount 20\r\n";
    for (std::size_t cell = 0; cell < pairs.size(); ++cell) {
        game += "Array:" + std::to_string(cell) + ":ArrayTop:" + std::to_string(pairs[cell]) +
                ":AB:" + std::to_string(cell % 2) + "\r\n";
    }
    return game + "End of ArrayIndex" + section;
}

// A main window whose modal questions are answered by a TestPrompter, with an empty
// recent-file list and a folder for the test's files.
class FrameTest : public ::testing::Test {
protected:
    FrameTest() {
        QSettings().clear();
        MakeFrame();
    }

    // A new main window, whose questions are answered here.
    void MakeFrame() {
        auto owned = std::make_unique<TestPrompter>();
        prompter = owned.get();
        frame = std::make_unique<CMainFrame>(std::move(owned));
        auto learning = std::make_unique<TestLearningPrompter>();
        learningPrompter = learning.get();
        frame->Learning().SetPrompter(std::move(learning));
    }

    // Games are recorded in a progress database of the test's own folder.
    SqliteProgressStore& UseProgressStoreInTestFolder() {
        auto owned = std::make_unique<SqliteProgressStore>(
            (files.path() / "data/glossatiles/progress.sqlite").string());
        SqliteProgressStore& store = *owned;
        frame->Learning().SetStore(std::move(owned));
        return store;
    }

    CGlossatilesView& View() { return frame->View(); }
    const GameState& State() { return frame->View().State(); }
    void Trigger(int command) { frame->Action(command)->trigger(); }
    const QImage& Picture() {
        View().UpdateBackBuffer();
        return View().BackBuffer();
    }
    QRgb Background() { return View().palette().color(QPalette::Base).rgb(); }
    int TilesOnBoard() {
        return static_cast<int>(std::count_if(State().AssignmentArray.begin(),
                                              State().AssignmentArray.end(),
                                              [](std::int32_t pair) { return pair != NoPair; }));
    }

    // A word-pair file with the description "Test list" and `pairs` pairs word<n>/mot<n>.
    QString WordList(const std::string& name, int pairs) const {
        std::string text = "Test list\n";
        for (int i = 0; i < pairs; ++i) {
            text += "word" + std::to_string(i) + "\nmot" + std::to_string(i) + "\n";
        }
        return QString::fromStdString(files.Write(name, text));
    }
    // Opens a file through File > Open.
    void Open(const QString& path) {
        prompter->filesToOpen.push_back(path);
        Trigger(CommandId::FileOpen);
    }
    void OpenList(int pairs) {
        Open(WordList("list.txt", pairs));
        ASSERT_TRUE(State().HasBoard());
    }
    void OpenLaidOutGame() {
        Open(QString::fromStdString(files.Write("laid-out.txt", LaidOutGame())));
        ASSERT_TRUE(State().HasBoard());
    }
    // Where a press lands on a tile: its middle.
    static QPoint TileCentre(int column, int row) {
        return TileCorner(column, row) + QPoint(89, 50);
    }
    void Click(int column, int row) {
        QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, TileCentre(column, row));
    }

    TempDir files;
    std::unique_ptr<CMainFrame> frame;
    TestPrompter* prompter = nullptr;
    TestLearningPrompter* learningPrompter = nullptr;
};

// The laid-out game in a window on the screen.
class LaidOutGameTest : public FrameTest {
protected:
    void SetUp() override {
        frame->show();
        OpenLaidOutGame();
    }
};
