#include "files/media_file.h"
#include "files/open_file.h"
#include "game/auto_play.h"
#include "game/game_state.h"
#include "savegame/save_game.h"
#include "support/games.h"
#include "support/temp_dir.h"
#include "words/window_title.h"
#include "words/word_list_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

TEST(WordListReader, ReadsDescriptionAndPairs) {
    const std::string x998(998, 'x');
    const struct {
        const char* name;
        std::string bytes;
        std::string description; // "@" stands for the file's path
        std::string pairs;
        int linesNotRead = 0; // lines with text after a blank line
        int linesSplit = 0;   // lines longer than a word may be
    } cases[] = {
        {"plain", "Verbs\nmanger\nto eat\nboire\nto drink\n", "Verbs",
         "manger=to eat; boire=to drink"},
        {"blank first line", "   \nchat\ncat\n", "@", "chat=cat"},
        {"blank line ends the list", "d\nchat\ncat\n\nchien\ndog\n", "d", "chat=cat", 2},
        {"line of blanks ends it", "d\nchat\ncat\n   \nchien\ndog\n", "d", "chat=cat", 2},
        {"blank lines at the end", "d\nchat\ncat\n\n  \n\n", "d", "chat=cat"},
        {"2,000-character line after a blank", "d\nchat\ncat\n\n" + std::string(2000, 'x'), "d",
         "chat=cat", 1},
        {"trailing blanks go, leading ones and tabs stay", "d\nabc  \n  abc\nabc\t\nx\r\n", "d",
         "abc=  abc; abc\t=x"},
        {"CR LF", "d\r\nchat\r\ncat\r\n", "d", "chat=cat"},
        {"lone CR inside a word", "d\na\rb\nc\n", "d", "a\rb=c"},
        {"last line without line end", "d\nchat\ncat", "d", "chat=cat"},
        {"odd number of words", "d\nchat\ncat\nchien\n", "d", "chat=cat; chien=<none>"},
        {"colons", "d\na:b\nc:\n", "d", "a:b=c:"},
        // 998, 998 and 4 characters: three words, which shifts every later pair.
        {"2,000-character line", "d\n" + std::string(2000, 'x') + "\nnext\n", "d",
         x998 + "=" + x998 + "; xxxx=next", 0, 1},
        // A word that exactly fills a piece does not leave an empty line behind.
        {"998-character word", "d\n" + x998 + "\r\nz\nw\nv\n", "d", x998 + "=z; w=v"},
        {"long description is cut", std::string(400, 'D') + "\na\nb\n", std::string(299, 'D'),
         "a=b"},
        {"long description and word are split", std::string(999, 'D') + "\n" + x998 + "y\nz\n",
         std::string(299, 'D'), "D=" + x998 + "; y=z", 0, 2},
        {"long UTF-8 description is cut between characters", Repeat("\xD0\xB4", 200) + "\na\nb\n",
         Repeat("\xD0\xB4", 149), "a=b"},
        {"long Windows-1252 description is cut at 299 bytes", std::string(400, '\xE9') + "\na\nb\n",
         std::string(299, '\xE9'), "a=b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.Write("list.txt", c.bytes);
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, path), OpenResult::Dealt);
        EXPECT_EQ(state.FileDescription, c.description == "@" ? path : c.description);
        EXPECT_EQ(ListText(state.WordList), c.pairs);
        EXPECT_EQ(state.WordsCount, static_cast<int>(state.WordList.size()));
        EXPECT_TRUE(host.messages.empty());
        // What was not read is said where it does not stop the player.
        std::map<NoteTopic, std::string> notes;
        if (c.linesNotRead > 0) {
            const int pairs = static_cast<int>(state.WordList.size());
            notes[NoteTopic::LinesNotRead] =
                "A blank line ends the list in " + path + " after " + std::to_string(pairs) +
                (pairs == 1 ? " pair: " : " pairs: ") + std::to_string(c.linesNotRead) +
                (c.linesNotRead == 1 ? " line after it was not read."
                                     : " lines after it were not read.");
        }
        if (c.linesSplit > 0) {
            notes[NoteTopic::LinesSplit] =
                std::to_string(c.linesSplit) +
                (c.linesSplit == 1 ? " line of " + path + " is longer than 998 bytes; it was"
                                   : " lines of " + path + " are longer than 998 bytes; each was") +
                " read as several words.";
        }
        EXPECT_EQ(host.notes, notes);
    }
}

// A file with no pair is said in a message, and the game in play stays.
TEST(WordListReader, AFileWithNoPairKeepsTheGameInPlay) {
    const struct {
        const char* name;
        std::string bytes;
        std::string message; // "@" stands for the file's path
    } cases[] = {
        {"empty file", "", "No word pairs found in @"},
        {"description only", "Animals", "No word pairs found in @"},
        {"blank line before any pair", "d\n\nchat\ncat\n\nlast",
         "No word pairs found in @ A blank line ends the list in @ after 0 pairs: 3 lines after "
         "it were not read."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.Write("list.txt", c.bytes);
        GameState state;
        RecordingHost before;
        ASSERT_EQ(OpenFileAtPath(state, before, dir.Write("game.txt", "Game\nchat\ncat\n")),
                  OpenResult::Dealt);
        RecordingHost host;
        EXPECT_EQ(OpenFileAtPath(state, host, path), OpenResult::Failed);
        std::string message = c.message;
        for (std::size_t at = message.find('@'); at != std::string::npos;
             at = message.find('@', at + path.size())) {
            message.replace(at, 1, path);
        }
        EXPECT_EQ(host.messages, std::vector{message});
        EXPECT_EQ(ListText(state.WordList), "chat=cat");
        EXPECT_TRUE(host.titles.empty());
        EXPECT_TRUE(host.notes.empty());
        EXPECT_TRUE(host.events.empty());
    }
}

TEST(OpenFile, DealsTheChosenListAndACancelledChooserChangesNothingButThePath) {
    TempDir dir;
    const std::string path = dir.Write("french-and-english-animals.txt", "Animals\nchat\ncat\n");
    GameState state;
    RecordingHost host;
    host.filesToOpen.push_back(path);
    state.DisplayedLevel = state.SelectedCol = state.SelectedRow = 2;
    EXPECT_EQ(OpenFile(state, host), OpenResult::Dealt);
    EXPECT_EQ(state.BrowseFileName, path);
    EXPECT_EQ(host.titles, std::vector{WindowTitle(path)});
    EXPECT_EQ(Tiles(state), 2);
    EXPECT_EQ(state.DisplayedLevel, 0);
    EXPECT_FALSE(state.HasSelection());
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_EQ(host.events.size(), 1u);
    EXPECT_EQ(host.events.at(0).kind, PlayEventKind::GameStarted);

    const auto cells = state.AssignmentArray;
    EXPECT_EQ(OpenFile(state, host), OpenResult::Cancelled);
    EXPECT_EQ(host.events.size(), 1u);
    EXPECT_EQ(state.BrowseFileName, "");
    EXPECT_EQ(state.AssignmentArray, cells);
    EXPECT_EQ(state.FileDescription, "Animals");
    EXPECT_TRUE(host.messages.empty());
}

TEST(OpenFile, AFailedOpenKeepsTheGameInPlay) {
    TempDir dir;
    const std::string list = dir.Write("a.txt", "d\na:b\nc\n");
    const std::string nul = dir.Write("nul.txt", std::string("d\na\0\nb\n", 8));
    const std::string badGame = dir.Write(
        "game.txt", "Glossatiles saved game file: x\nGame source file\na.txt\nTime\nCorrect:0\n");
    const std::string missing = (dir.path() / "missing.txt").string();
    const std::string tooLong = "/" + std::string(299, 'p');
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {missing, "Error can't open the file\n" + missing},
        {dir.path().string(), "Error can't open the file\n" + dir.path().string()},
        {"/dev/null", "Error can't open the file\n/dev/null"},
        {tooLong, "The path is longer than 299 characters:\n" + tooLong},
        {nul, "This is not a text file:\n" + nul},
        {badGame, "Unable to find ArrayTop section in file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, list), OpenResult::Dealt);
        state.RecordFileName = "record.txt";
        AutoRemovePair(state, host);
        const GameState before = state;
        EXPECT_EQ(OpenFileAtPath(state, host, c.path), OpenResult::Failed);
        // Automatic play goes on: its pair is still pending, its frame still timed.
        EXPECT_TRUE(state.AutoRemovePending);
        EXPECT_TRUE(host.TimerRunning(AutoTimerId));
        ASSERT_FALSE(host.messages.empty());
        EXPECT_TRUE(host.messages.back().starts_with(c.message)) << host.messages.back();
        EXPECT_EQ(ListText(state.WordList), "a:b=c");
        EXPECT_EQ(state.AssignmentArray, before.AssignmentArray);
        EXPECT_EQ(state.BrowseFileName + " " + state.FileDescription + " " + state.RecordFileName,
                  list + " d record.txt");
        EXPECT_EQ(host.titles.size(), 1u);
        EXPECT_EQ(host.events.size(), 1u);
        // An open that succeeds stops it.
        ASSERT_EQ(OpenFileAtPath(state, host, list), OpenResult::Dealt);
        EXPECT_FALSE(state.AutoRemovePending);
        EXPECT_TRUE(host.runningTimers.empty());
    }
}

// Save after opening another list asks for a file: the game saved before is not replaced by one
// of another list. A new deal of the same list saves where its game was saved.
TEST(OpenFile, AnotherListForgetsWhereTheGameWasSaved) {
    TempDir dir;
    const std::string french = dir.Write("french.txt", "French\nchat\ncat\n");
    const std::string spanish = dir.Write("spanish.txt", "Spanish\ngato\ncat\n");
    const std::string anki = dir.Write("spanish.tsv", "#separator:tab\ngato\tcat\n");
    const std::string game = dir.Write(
        "game.txt", "Glossatiles saved game file: French\nGame source file\n" + french +
                        "\nTime 13:05 03-02-2008\nCorrect:0\nWrong:0\nHints:0\n"
                        "Start of ArrayTop section *************************\nIndex:0:chat:cat\n"
                        "End of ArrayTop section *************************\n"
                        "Start of ArrayIndex section *************************\nCellCount 5\n"
                        "Array:0:ArrayTop:0:AB:1\nArray:1:ArrayTop:0:AB:0\n");
    const struct {
        const char* name;
        std::string first; // opened, then saved as record.txt
        std::string next;
        std::string recordFile;
    } cases[] = {
        {"another list", french, spanish, ""},
        {"an imported list", french, anki, ""},
        {"the same list again", french, french, "record.txt"},
        {"the list of a loaded game", game, french, "record.txt"},
        {"another list after a loaded game", game, spanish, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state;
        RecordingHost host;
        ASSERT_NE(OpenFileAtPath(state, host, c.first), OpenResult::Failed);
        state.RecordFileName = "record.txt";
        ASSERT_EQ(OpenFileAtPath(state, host, c.next), OpenResult::Dealt);
        EXPECT_EQ(state.RecordFileName, c.recordFile);
    }
}

TEST(OpenFile, ASavedGameIsHandedToTheLoader) {
    TempDir dir;
    const std::string path =
        dir.Write("game.txt",
                  "Glossatiles saved game file: Animals\nGame source file\nanimals.txt\n"
                  "Time 13:05 03-02-2008\nCorrect:1\nWrong:2\nHints:3\n"
                  "Start of ArrayTop section *************************\nIndex:0:chat:cat\n"
                  "End of ArrayTop section *************************\n"
                  "Start of ArrayIndex section *************************\nCellCount 5\n"
                  "Array:0:ArrayTop:0:AB:1\nArray:1:ArrayTop:-1:AB:-1\nArray:2:ArrayTop:0:AB:0\n");
    GameState state;
    RecordingHost host;
    EXPECT_EQ(OpenFileAtPath(state, host, path), OpenResult::Loaded);
    EXPECT_EQ(state.FileDescription + " " + state.BrowseFileName, "Animals animals.txt");
    EXPECT_EQ(state.WrongCount, 2);
    EXPECT_EQ(state.AssignmentArray, (std::vector<std::int32_t>{0, NoPair, 0, NoPair, NoPair}));
    EXPECT_EQ(host.messages.back(),
              "Loaded file OK\n\nOringinal game was started from file\nanimals.txt");
}

TEST(OpenFile, ASavedGameKeepsItsPicturesAndFindsThemBesideItsList) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "lists");
    std::filesystem::create_directories(dir.path() / "games");
    const std::string list =
        dir.Write("lists/colours.txt", "Colours\n[image=red.png]\nrojo\nblue [sound=blue.ogg]\n"
                                       "azul [note=adj.]\n");
    dir.Write("lists/red.png", std::string_view("\x89PNG\r\n\x1a\n", 8));
    dir.Write("lists/blue.ogg", "OggS");
    RecordingHost host;
    GameState state;
    ASSERT_EQ(OpenFileAtPath(state, host, list), OpenResult::Dealt);
    const std::string saved = (dir.path() / "games/game.txt").string();
    ASSERT_TRUE(SaveGameAsPath(state, host, saved));
    EXPECT_NE(ReadBytes(saved).find("[image=red.png]"), std::string::npos);

    const auto load = [&] {
        GameState loaded;
        EXPECT_EQ(OpenFileAtPath(loaded, host, saved), OpenResult::Loaded);
        EXPECT_EQ(ListText(loaded.WordList), ListText(state.WordList));
        return CountMedia(loaded.WordList, loaded.ListPath);
    };
    const MediaCounts counts = load();
    EXPECT_EQ(counts.pictures, 1);
    EXPECT_EQ(counts.sounds, 1);
    EXPECT_EQ(counts.notes, 1);
    EXPECT_FALSE(host.notes.contains(NoteTopic::MissingMedia));

    std::filesystem::remove(dir.path() / "lists/red.png");
    EXPECT_EQ(load().missing, 1);
    EXPECT_TRUE(host.notes.contains(NoteTopic::MissingMedia));
}

TEST(WordListText, ReadsBackAsTheSameList) {
    const WordPairList lists[] = {
        {{"manger", "to eat"}, {"  l'heure: midi", "time\tnoon"}},
        {{"chat", "cat"}, {"chien", std::nullopt}},
    };
    for (const WordPairList& list : lists) {
        SCOPED_TRACE(ListText(list));
        TempDir dir;
        const std::string path = dir.Write("list.txt", WordListText("Animals", list));
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, path), OpenResult::Dealt);
        EXPECT_EQ(state.FileDescription, "Animals");
        EXPECT_EQ(ListText(state.WordList), ListText(list));
    }
}
} // namespace
