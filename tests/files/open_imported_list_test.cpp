#include "files/list_import.h"
#include "files/open_file.h"
#include "support/games.h"
#include "support/temp_dir.h"
#include "words/window_title.h"

#include <gtest/gtest.h>

namespace {

// File > Open deals each format as it deals a native list, and says once which rows it left
// out; a native list whose lines hold tabs stays a native list.
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
        {"tabs.txt",
         "Verbs\tlesson 3\nmanger\tto eat\nboire\tto drink\n",
         "Verbs\tlesson 3 | manger\tto eat=boire\tto drink | /",
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

TEST(OpenImportedList, AFailedImportSaysWhyAndLeavesTheGameInPlay) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nchat\ncat\nchien\ndog\n");
    const struct {
        const char* name;
        std::string bytes;
        std::string problem;
    } cases[] = {
        {"latin1.csv", "caf\xE9,coffee\n", "It is not UTF-8 text."},
        {"empty.csv", "", "It holds no word pair."},
        {"broken.kvtml", "<kvtml>\n<e><o>a</o>\n</kvtml>",
         "The XML is malformed on line 3: Start-end tags mismatch."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, list), OpenResult::Dealt);
        const GameState before = state;
        const std::string path = dir.Write(c.name, c.bytes);
        EXPECT_EQ(OpenFileAtPath(state, host, path), OpenResult::Failed);
        EXPECT_EQ(host.messages, std::vector{ImportFailureMessage(path, c.problem)});
        EXPECT_EQ(ListText(state.WordList), ListText(before.WordList));
        EXPECT_EQ(state.AssignmentArray, before.AssignmentArray);
        EXPECT_EQ(state.BrowseFileName + state.FileDescription,
                  before.BrowseFileName + before.FileDescription);
    }
}

} // namespace
