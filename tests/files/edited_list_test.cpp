#include "files/edited_list.h"
#include "files/open_file.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(EditedList, NotesEachRowAndBlocksOnlyWhatWouldNotReadBack) {
    const std::string tooLong(MaxWordBytes + 1, 'x');
    const struct {
        WordPair row;
        RowFindings expected;
    } cases[] = {
        {{"chat", "cat"}, 0},
        {{"chien", ""}, EmptySide},
        {{"  ", "dog"}, EmptySide},
        {{"", ""}, 0},
        {{std::nullopt, std::nullopt}, 0},
        {{"chat", "cat"}, Duplicate},
        {{" chat", "cat\t"}, Duplicate},
        {{tooLong, "long"}, TooLong},
        {{std::string(MaxWordBytes, 'y'), "just fits"}, 0},
        {{"10:30", "half past ten"}, Colon},
        {{"two\nlines", "deux"}, LineBreak},
        {{"a:b", ""}, EmptySide | Colon},
    };
    WordPairList rows;
    for (const auto& c : cases) {
        rows.push_back(c.row);
    }
    const std::vector<RowFindings> findings = CheckRows(rows);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(findings[i], cases[i].expected) << "row " << i;
    }
    EXPECT_EQ(BlockingFindings & (Duplicate | Colon | LineBreak), 0);

    // Pairs beyond the board's limit are marked, empty rows do not count towards it.
    WordPairList many = NumberedPairs(static_cast<int>(MaxListPairs) + 2);
    many.insert(many.begin(), WordPair{"", ""});
    const std::vector<RowFindings> limit = CheckRows(many);
    EXPECT_EQ(limit[MaxListPairs], 0);
    EXPECT_EQ(limit[MaxListPairs + 1], OverLimit);
    EXPECT_EQ(limit[MaxListPairs + 2], OverLimit);
}

TEST(EditedList, PastedBlocksBecomeRowsAndCopiedRowsPasteBack) {
    const struct {
        const char* block;
        const char* rows;
    } cases[] = {
        {"chat\tcat\r\nchien\tdog\n", "chat=cat; chien=dog"},
        {"one\n\n  \ntwo\tzwei\tdrei\n", "one=; two=zwei"},
        {"\"multi\nline\"\tx\n", "multi\nline=x"},
        {"5\" nail\tClou\n\"open\tquote\n", "5\" nail=Clou; \"open=quote"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListText(PastedRows(c.block)), c.rows) << c.block;
    }
    const WordPairList tricky{{"tab\tin", "quote \"q\""}, {"line\nbreak", ""}, {"plain", "text"}};
    EXPECT_EQ(CopiedRowsText({{"a", "b"}}), "a\tb\n");
    EXPECT_EQ(ListText(PastedRows(CopiedRowsText(tricky))), ListText(tricky));
}

TEST(EditedList, SavesEachFormatSoThatItOpensWithTheSamePairs) {
    TempDir dir;
    const WordPairList rows{
        {"  le chat ", "the cat"}, {"", ""}, {"two\r\nlines", "zwei"}, {"Grüß Gott", "שלום"}};
    for (const char* name : {"list.txt", "list.tsv", "list.csv", "list.kvtml"}) {
        SCOPED_TRACE(name);
        const std::string path = (dir.path() / name).string();
        ASSERT_EQ(SaveEditedList(path, "Greetings\nand more", rows, {"de", "he"}), std::nullopt);
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, path), OpenResult::Dealt);
        EXPECT_EQ(ListText(state.WordList), "le chat=the cat; two lines=zwei; Grüß Gott=שלום");
        EXPECT_TRUE(host.messages.empty());
        EXPECT_TRUE(SavesInItsOwnFormat(path));
    }
    EXPECT_TRUE(ReadBytes((dir.path() / "list.txt").string()).starts_with("Greetings and more\n"));
    const std::string kept = dir.Write("list.doc", "old");
    const auto problem = [&](const std::string& path) {
        const std::optional<Message> message = SaveEditedList(path, "", rows, {});
        return message ? EnglishText(*message) : "saved";
    };
    EXPECT_EQ(problem(kept), "Can't save the word list as\n" + kept +
                                 "\nThe file name must end in .txt, .tsv, .csv or .kvtml.");
    const std::string nowhere = (dir.path() / "no/list.txt").string();
    EXPECT_EQ(problem(nowhere),
              "Can't write the file\n" + nowhere + " (No such file or directory)");
    EXPECT_EQ(ReadBytes(kept), "old");
    // An Anki export named .txt is not written over as a native list.
    EXPECT_FALSE(SavesInItsOwnFormat(dir.Write("anki.txt", "#separator:tab\nchat\tcat\n")));
    EXPECT_FALSE(SavesInItsOwnFormat(kept));
}

} // namespace
