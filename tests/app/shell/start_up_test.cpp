#include "app/base/command_ids.h"
#include "app/shell/game_command_line.h"
#include "app/shell/old_settings.h"
#include "app/shell/recent_file_list.h"
#include "glossatiles_project.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

using Request = GameCommandLine::Request;

TEST(StartUpTest, CommandLineAsksForPlayReviewReminderHelpVersionOrReportsMisuse) {
    const struct {
        QStringList arguments;
        Request request;
        QString file;
        QString answerStart;
    } cases[] = {
        {{"glossatiles"}, Request::Play, "", ""},
        {{"glossatiles", "/tmp/verbs.txt"}, Request::Play, "/tmp/verbs.txt", ""},
        {{"glossatiles", "verbs.txt"}, Request::Play, QDir::current().filePath("verbs.txt"), ""},
        {{"glossatiles", "--", "-odd.txt"},
         Request::Play,
         QDir::current().filePath("-odd.txt"),
         ""},
        {{"glossatiles", "--help"}, Request::Help, "", "Usage: glossatiles [options] [FILE]"},
        {{"glossatiles", "verbs.txt", "-h"}, Request::Help, "", "Usage: "},
        {{"glossatiles", "--version"},
         Request::Version,
         "",
         QStringLiteral("glossatiles %1\n").arg(GlossatilesVersion)},
        {{"glossatiles", "a.txt", "b.txt"}, Request::UsageError, "", "glossatiles: "},
        {{"glossatiles", "--bogus"}, Request::UsageError, "", "glossatiles: "},
        // Qt's own options are QApplication's to take, with or without a value.
        {{"glossatiles", "-style", "Fusion", "-reverse", "verbs.txt"},
         Request::Play,
         QDir::current().filePath("verbs.txt"),
         ""},
        {{"glossatiles", "--platform=offscreen", "-stylesheet", "a.qss", "--help"},
         Request::Help,
         "",
         "Usage: glossatiles [options] [FILE]"},
        {{"glossatiles", "-platform", "xcb", "--version"},
         Request::Version,
         "",
         QStringLiteral("glossatiles %1\n").arg(GlossatilesVersion)},
        {{"glossatiles", "--", "-style"}, Request::Play, QDir::current().filePath("-style"), ""},
        {{"glossatiles", "-styles"}, Request::UsageError, "", "glossatiles: "},
        {{"glossatiles", "--review"}, Request::Play, "", ""},
        {{"glossatiles", "--remind"}, Request::Remind, "", ""},
        {{"glossatiles", "--remind", "a.txt"}, Request::UsageError, "", "glossatiles: "},
        {{"glossatiles", "--review", "a.txt"}, Request::UsageError, "", "glossatiles: "},
        {{"glossatiles", "--remind", "--review"}, Request::UsageError, "", "glossatiles: "},
    };
    for (const auto& [arguments, request, file, answerStart] : cases) {
        const GameCommandLine parsed = ParseGameCommandLine(arguments);
        const std::string shown = arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.request, request) << shown;
        EXPECT_EQ(parsed.file, file) << shown;
        EXPECT_EQ(parsed.answer.left(answerStart.size()), answerStart) << shown;
        EXPECT_EQ(parsed.answer.isEmpty(), request == Request::Play || request == Request::Remind)
            << shown;
        EXPECT_EQ(parsed.review, request == Request::Play && arguments.contains("--review"))
            << shown;
    }
}

// Earlier versions' recent files reach the new place once; settings already there win.
TEST(StartUpTest, OldSettingsAreMovedOnceAndNeverOverNewOnes) {
    const QString current = QSettings().fileName();
    ASSERT_TRUE(current.endsWith("/glossatiles/glossatiles.conf")) << current.toStdString();
    for (const bool newOnesExist : {false, true}) {
        QFile::remove(current);
        if (newOnesExist) {
            RecentFileList(RecentFileCount).Add("/new/b.txt");
        }
        QSettings old("Local AppWizard-Generated Applications", "Glossatiles");
        old.setValue("Recent File List/File1", "/old/a.txt");
        old.sync();
        const QString oldFile = old.fileName();

        MoveOldSettings();

        const QStringList expected{newOnesExist ? "/new/b.txt" : "/old/a.txt"};
        EXPECT_EQ(RecentFileList(RecentFileCount).Files(), expected) << newOnesExist;
        EXPECT_EQ(QFile::exists(oldFile), newOnesExist);
        QFile::remove(oldFile);
    }
    QSettings().clear();
}

} // namespace
