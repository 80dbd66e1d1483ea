#include "files/file_opening.h"
#include "files/import_chooser.h"
#include "files/open_file.h"
#include "files/untrusted_database.h"
#include "support/anki_deck.h"
#include "support/games.h"
#include "support/temp_dir.h"
#include "words/cancel_flag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

const AnkiDeck animals{11, {{7, {"Front", "Back"}}}, {{7, {"chat", "cat"}}, {7, {"chien", "dog"}}}};

// The window reads on a worker thread while a progress dialog waits; its Cancel sets the flag.
// Whatever the reader was doing, it stops, nothing is said, and the game stays as it was.
TEST(FileOpening, ACancelStopsEveryReaderAndLeavesTheGameInPlay) {
    TempDir dir;
    const std::string start = dir.Write("start.txt", "Start\nuno\none\n");
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"list.txt", "Animals\nchat\ncat\n"},
        {"list.csv", "chat,cat\n"},
        {"list.kvtml", "<kvtml><e><o>chat</o><t>cat</t></e></kvtml>"},
        {"deck.apkg", AnkiPackage(animals)},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, start), OpenResult::Dealt);
        const GameState before = state;
        CancelFlag cancel;
        FileOpening opening(dir.Write(file.name, file.bytes), &cancel);
        opening.Prepare();
        cancel.Cancel();
        EXPECT_FALSE(opening.Choose(nullptr));
        opening.Read();
        GameState list;
        EXPECT_FALSE(opening.TakeList(list));
        EXPECT_EQ(opening.Finish(state, host, DealKind::Plain), OpenResult::Cancelled);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(ListText(state.WordList), ListText(before.WordList));
        EXPECT_EQ(state.BrowseFileName, before.BrowseFileName);
    }
}

// A package is unpacked, decompressed and opened once: its previews and its reading use that.
TEST(FileOpening, APackageIsOpenedOnceForItsPreviewsAndItsReading) {
    std::string bytes = AnkiPackage(animals);
    ImportReading reading("deck.apkg", ImportFormat::AnkiPackage, bytes);
    reading.Prepare();
    std::fill(bytes.begin(), bytes.end(), 'x');
    EXPECT_EQ(reading.Preview({}).rows.size(), 2u);
    const ImportOutcome outcome = reading.Read({.columns = ColumnPair{1, 0}});
    ASSERT_TRUE(outcome.list) << EnglishText(outcome.problem);
    EXPECT_EQ(ListText(outcome.list->pairs), "cat=chat; dog=chien");
}

// What no honest query needs, a query that never ends, is stopped by the work limit, or by a
// cancel from the window's thread.
TEST(UntrustedDatabase, AnEndlessQueryStopsAtItsBudgetOrAtACancel) {
    const std::string image = AnkiCollection(animals);
    constexpr const char* endless = "WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 "
                                    "FROM forever) SELECT n FROM forever WHERE n < 0";
    UntrustedDatabase limited(image, 10, nullptr);
    EXPECT_FALSE(limited.Run(endless).Next());
    ASSERT_TRUE(limited.StoppedByLimit());
    EXPECT_EQ(EnglishText(*limited.Problem()),
              "Reading its collection takes far more work than a collection of its size needs; "
              "it is refused.");

    // A database this large may work for seconds: the cancel comes first.
    AnkiDeck padded = animals;
    padded.hostileSql = "CREATE TABLE pad (b); INSERT INTO pad VALUES (zeroblob(16000000))";
    const std::string large = AnkiCollection(padded);
    CancelFlag cancel;
    UntrustedDatabase cancelled(large, 10, &cancel);
    std::thread window([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cancel.Cancel();
    });
    UntrustedDatabase::Query query = cancelled.Run(
        "WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM forever) SELECT n "
        "FROM forever WHERE n < 0 OR n > 1e18");
    EXPECT_FALSE(query.Next());
    window.join();
    ASSERT_TRUE(cancelled.Problem());
    EXPECT_TRUE(IsCancelledReading(*cancelled.Problem()));
    // The row cap holds however the query is written.
    UntrustedDatabase capped(image, 10, nullptr);
    UntrustedDatabase::Query rows = capped.Run("SELECT 1 FROM notes, notes, notes, notes");
    int seen = 0;
    while (rows.Next()) {
        ++seen;
    }
    EXPECT_EQ(seen, 10);
    EXPECT_TRUE(capped.StoppedByLimit());
}

} // namespace
