#include "files/edited_list.h"
#include "files/import_chooser.h"
#include "files/open_file.h"
#include "game/game_state.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// What a save is told about writing over the file, in English; empty when it may.
std::string Reason(const std::optional<Message>& reason) {
    return reason ? EnglishText(*reason) : std::string();
}

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
        {{"[image=red.png]", "rojo"}, 0},
        {{"[image=blue.png]", "rojo"}, 0},
        {{"rojo", "[sound=rojo.ogg]"}, 0},
        {{"  [image=red.png] ", "rojo [note=adj.]"}, Duplicate},
        {{"[note=a note alone]", "nada"}, EmptySide},
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
        ASSERT_TRUE(state.Reading);
        EXPECT_EQ(Reason(WhyNotSaveInPlace(path, *state.Reading)), "");
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
}

// A file opened as File > Open opens it, under the choice given.
ListReading ReadingOf(const std::string& path, const ImportChoice& choice) {
    FileOpening opening(path);
    opening.Prepare();
    FixedImportChooser chooser(choice);
    opening.Choose(&chooser);
    opening.Read();
    GameState list;
    EXPECT_TRUE(opening.TakeList(list));
    return list.Reading.value_or(ListReading{});
}

std::string Kvtml(const std::string& identifiers, const std::string& lessons) {
    std::string text = "<kvtml version=\"2.0\"><identifiers>";
    for (const char id : identifiers) {
        text += std::string("<identifier id=\"") + id + "\"/>";
    }
    text += "</identifiers><entries><entry id=\"0\">";
    for (const char id : identifiers) {
        text +=
            std::string("<translation id=\"") + id + "\"><text>w" + id + "</text></translation>";
    }
    return text + "</entry></entries><lessons>" + lessons + "</lessons></kvtml>";
}

TEST(EditedList, WritesOverItsFileOnlyWhenTheListHoldsAllOfIt) {
    const std::string lesson = "<container><name>L</name><entry id=\"0\"/></container>";
    struct Case {
        const char* name;
        std::string text;
        ImportChoice choice;
        // Empty: saved in place.
        std::string reason;
    };
    const Case cases[] = {
        {"whole.txt", "Animals\nchat\ncat\nchien\ndog\n\n\n", {}, ""},
        {"blank.txt", "Animals\nchat\ncat\n\nchien\ndog\n", {}, "only part"},
        {"long.txt", "Animals\n" + std::string(1200, 'a') + "\ncat\n", {}, "only part"},
        {"two.csv", "chat,cat\nchien,dog\n", {}, ""},
        {"two.tsv", "chat\tcat\n", {}, ""},
        {"four.csv",
         "id,French,note,English\n1,chat,x,cat\n2,chien,y,dog\n",
         {.columns = ColumnPair{1, 3}},
         "This file has 4 columns; the list uses 2. Save as a new file?"},
        {"header.csv", "French,English\nchat,cat\n", {.headerRow = true}, "names its columns"},
        {"swapped.csv", "chat,cat\n", {.columns = ColumnPair{1, 0}}, "other way round"},
        {"gap.csv", "chat,cat\nchien,\n", {}, "word missing"},
        {"table.txt", "chat\tcat\nchien\tdog\n", {}, "format"},
        {"anki.txt", "#separator:tab\nchat\tcat\n", {}, "format"},
        {"two.kvtml", Kvtml("01", lesson), {}, ""},
        {"three.kvtml", Kvtml("012", lesson), {}, "This file has 3 languages"},
        {"lessons.kvtml", Kvtml("01", lesson + lesson), {}, "lessons"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write(c.name, c.text);
        const std::string reason = Reason(WhyNotSaveInPlace(path, ReadingOf(path, c.choice)));
        EXPECT_EQ(reason.empty(), c.reason.empty()) << reason;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    }
    // A package or an unknown extension is never written over.
    ListReading package;
    package.format = ListFormat::Anki;
    EXPECT_TRUE(WhyNotSaveInPlace("deck.apkg", package));
    EXPECT_TRUE(WhyNotSaveInPlace("list.doc", ListReading{}));
}

} // namespace
