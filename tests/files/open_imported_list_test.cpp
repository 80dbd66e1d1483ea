#include "files/import_chooser.h"
#include "files/list_import.h"
#include "files/open_file.h"
#include "savegame/save_game.h"
#include "savegame/save_loader.h"
#include "support/anki_deck.h"
#include "support/games.h"
#include "support/temp_dir.h"
#include "words/cancel_flag.h"
#include "words/window_title.h"

#include <gtest/gtest.h>

namespace {

// File > Open deals each format as it deals a native list, and says once which rows it left
// out; a text whose lines split alike is a table, but a native list with a tab stays one.
TEST(OpenImportedList, EachFormatIsDealtWithItsPairsTitleAndLanguages) {
    const struct {
        const char* name;
        std::string bytes;
        std::string digest; // description | pairs | languages
        std::vector<int> leftOut;
    } cases[] = {
        {"anki.txt",
         "#separator:tab\n#html:false\nchat\tcat\n\tdog\n",
         "anki.txt | chat=cat | /",
         {4}},
        {"sheet.tsv", "chat\tcat\nchien\tdog\n", "sheet.tsv | chat=cat; chien=dog | /", {}},
        {"verbs.kvtml",
         "<kvtml version=\"2.0\"><information><title>Verbs</title></information><identifiers>"
         "<identifier id=\"0\"><locale>fr</locale></identifier><identifier id=\"1\">"
         "<locale>en</locale></identifier></identifiers><entries><entry>"
         "<translation id=\"0\"><text>manger</text></translation><translation id=\"1\">"
         "<text>to eat</text></translation></entry></entries></kvtml>",
         "Verbs | manger=to eat | fr/en",
         {}},
        {"tab.txt",
         "Desc\nhello\tworld\nhola mundo\nuno\none\n",
         "Desc | hello\tworld=hola mundo; uno=one | /",
         {}},
        {"headerless.txt",
         "manger\tto eat\nboire\tto drink\n\n",
         "headerless.txt | manger=to eat; boire=to drink | /",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.Write(c.name, c.bytes);
        GameState state;
        RecordingHost host;
        for (const DealKind deal : {DealKind::Plain, DealKind::Unblocked}) {
            host.messages.clear();
            ASSERT_EQ(OpenFileAtPath(state, host, path, deal), OpenResult::Dealt);
            EXPECT_EQ(state.FileDescription + " | " + ListText(state.WordList) + " | " +
                          state.Languages.TextA + "/" + state.Languages.TextB,
                      c.digest);
            EXPECT_EQ(state.BrowseFileName, path);
            EXPECT_EQ(host.titles.back(), WindowTitle(path));
            EXPECT_EQ(Tiles(state), 2 * state.WordsCount);
            EXPECT_EQ(host.messages,
                      c.leftOut.empty()
                          ? std::vector<std::string>()
                          : std::vector{EnglishText(LeftOutRowsMessage(path, c.leftOut))});
        }
    }
}

// A file that cannot be imported says why. A reading that the player cancels, while the window
// reads on a worker thread and a progress dialog waits, stops whatever its reader was doing and
// says nothing. Either way the game stays as it was.
TEST(OpenImportedList, AFailedOrCancelledOpeningLeavesTheGameInPlay) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nchat\ncat\nchien\ndog\n");
    const AnkiDeck deck{11, {{7, {"Front", "Back"}}}, {{7, {"chat", "cat"}}}};
    const struct {
        const char* name;
        std::string bytes;
        std::string problem; // empty: the player cancels
    } cases[] = {
        {"latin1.csv", "caf\xE9,coffee\n", "It is not UTF-8 text."},
        {"empty.csv", "", "It holds no word pair."},
        {"broken.kvtml", "<kvtml>\n<e><o>a</o>\n</kvtml>",
         "The XML is malformed on line 3: Start-end tags mismatch."},
        {"newer.apkg", ZipArchive({{"collection.anki2", "not a database"}}),
         "Its collection is not an SQLite database."},
        {"list.txt", "Animals\nchat\ncat\n", ""},
        {"list.csv", "chat,cat\n", ""},
        {"list.kvtml", "<kvtml><e><o>chat</o><t>cat</t></e></kvtml>", ""},
        {"deck.apkg", AnkiPackage(deck), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, list), OpenResult::Dealt);
        const GameState before = state;
        const std::string path = dir.Write(c.name, c.bytes);
        const bool cancels = c.problem.empty();
        CancelFlag cancel;
        FileOpening opening(path, &cancel);
        opening.Prepare();
        if (cancels) {
            cancel.Cancel();
        }
        EXPECT_EQ(opening.Choose(nullptr), !cancels);
        opening.Read();
        GameState read;
        EXPECT_FALSE(opening.TakeList(read));
        EXPECT_EQ(opening.Finish(state, host, DealKind::Plain),
                  cancels ? OpenResult::Cancelled : OpenResult::Failed);
        EXPECT_EQ(host.messages,
                  cancels ? std::vector<std::string>()
                          : std::vector{"Can't import the file\n" + path + "\n" + c.problem});
        EXPECT_EQ(ListText(state.WordList), ListText(before.WordList));
        EXPECT_EQ(state.AssignmentArray, before.AssignmentArray);
        EXPECT_EQ(state.BrowseFileName + state.FileDescription,
                  before.BrowseFileName + before.FileDescription);
    }
}

TEST(OpenImportedList, AListLargerThanAnImportReadsIsRefusedUnread) {
    TempDir dir;
    const std::string path = dir.Write("huge.csv", "cat,chat\n");
    std::filesystem::resize_file(path, MaxImportBytes + 1);
    GameState state;
    RecordingHost host;
    EXPECT_EQ(OpenFileAtPath(state, host, path), OpenResult::Failed);
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"Can't import the file\n" + path + "\nIt is larger than " +
                                       std::to_string(MaxImportBytes >> 20) +
                                       " MB, more than a word list may be."});
}

// A word that held a line break would split the saved game's lines apart.
TEST(OpenImportedList, AnImportedGameSavesAndLoadsWithEveryPair) {
    TempDir dir;
    const std::string path =
        dir.Write("cards.txt", "#separator:tab\ndog&#10;hound\tchien\ncat\tchat\nbird\toiseau\n");
    GameState state;
    RecordingHost host;
    ASSERT_EQ(OpenFileAtPath(state, host, path), OpenResult::Dealt);
    const std::string saved = (dir.path() / "saved.txt").string();
    ASSERT_TRUE(SaveGameAsPath(state, host, saved));
    GameState loaded;
    ASSERT_TRUE(Loadplayedgame(loaded, host, saved));
    EXPECT_EQ(ListText(loaded.WordList), "dog hound=chien; cat=chat; bird=oiseau");
}

// What the chooser answers is what is dealt; a cancel leaves the game alone, and a column past
// the last is refused before anything is read.
TEST(OpenImportedList, TheChooserDecidesHowAnImportIsRead) {
    TempDir dir;
    const std::string sheet = dir.Write("sheet.csv", "id,word,meaning\n1,Hund,dog\n2,Katze,cat\n");
    const std::string headerNote =
        "The first row (id, word, meaning) was taken for the names of the columns and left out.";
    const std::string deck = dir.Write(
        "deck.apkg",
        ZipArchive({{"collection.anki2",
                     AnkiCollection({11,
                                     {{7, {"Front", "Back", "Extra"}}},
                                     {{7, {"chat", "cat", "noun"}}, {7, {"{{c1::x}}", "", ""}}}})},
                    {"1", "picture"}}));
    const struct {
        const char* name;
        std::string path;
        ImportChoice choice;
        std::string digest; // description | pairs | notes
    } cases[] = {
        // A header row that was guessed, not chosen, is said.
        {"guesses", sheet, {}, "sheet.csv | Hund=dog; Katze=cat | " + headerNote},
        {"columns and description", sheet,
         ImportChoice{std::nullopt, std::nullopt, ColumnPair{2, 0}, "German"},
         "German | dog=1; cat=2 | " + headerNote},
        {"a chosen header row", sheet, ImportChoice{.headerRow = true},
         "sheet.csv | Hund=dog; Katze=cat | "},
        {"a package, with its notes", deck,
         ImportChoice{std::nullopt, std::nullopt, ColumnPair{0, 2}, {}},
         "deck.apkg | chat=noun | 1 cloze note was left out, since they are not word pairs."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state;
        RecordingHost host;
        FixedImportChooser chooser(c.choice);
        ASSERT_EQ(OpenFileAtPath(state, host, c.path, DealKind::Plain, &chooser),
                  OpenResult::Dealt);
        EXPECT_EQ(state.FileDescription + " | " + ListText(state.WordList) + " | " +
                      host.notes[NoteTopic::ImportNotes],
                  c.digest);
    }
    GameState state;
    RecordingHost host;
    ASSERT_EQ(OpenFileAtPath(state, host, sheet), OpenResult::Dealt);
    FixedImportChooser pastTheLast(ImportChoice{std::nullopt, std::nullopt, ColumnPair{0, 3}, {}});
    EXPECT_EQ(OpenFileAtPath(state, host, sheet, DealKind::Plain, &pastTheLast),
              OpenResult::Cancelled);
    ASSERT_TRUE(pastTheLast.Refusal());
    EXPECT_EQ(EnglishText(*pastTheLast.Refusal()),
              sheet + ": It has no column 4; its last column is 3.");
    EXPECT_EQ(ListText(state.WordList), "Hund=dog; Katze=cat");
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
