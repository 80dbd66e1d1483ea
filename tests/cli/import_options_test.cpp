#include "cli_runner.h"
#include "support/anki_deck.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

const std::string Sheet = "id\tword\treading\tmeaning\n1\tneko\tねこ\tcat\n2\tinu\tいぬ\tdog\n";
const std::string SheetHeader =
    "note: The first row (id, word, reading, meaning) was taken for the names of the columns and "
    "left out.\n";
const std::string Numbers = "number,num\xC3\xA9ro\nhouse,maison\ndog,chien\ncat,chat\n";

struct ExportCase {
    std::vector<std::string> options;
    std::string file;
    // The exported native list: its description line, then its words.
    std::string list;
    std::string errors = {};
};

// The exported native list shows exactly what was read, and standard error whatever was left
// out on the way.
void ExpectExports(const TempDir& dir, const std::vector<ExportCase>& cases) {
    const std::string out = (dir.path() / "out.txt").string();
    for (const ExportCase& c : cases) {
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), {"--export", out, c.file});
        const CliRun run = RunCli(dir, arguments);
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(ReadBytes(out), c.list);
        EXPECT_EQ(run.errors, c.errors);
    }
}

TEST(CliImportOptions, ColumnsAndHeaderRowPickWhatIsRead) {
    TempDir dir;
    const std::string sheet = dir.Write("sheet.tsv", Sheet);
    const std::string deck = dir.Write(
        "deck.apkg",
        AnkiPackage({18, {{5, {"Expression", "Reading", "Meaning"}}}, {{5, {"猫", "ねこ", "cat"}}}},
                    true));
    ExpectExports(
        dir, {
                 {{}, sheet, "sheet.tsv\nneko\ncat\ninu\ndog\n", SheetHeader},
                 {{"--columns", "3,2"}, sheet, "sheet.tsv\nねこ\nneko\nいぬ\ninu\n", SheetHeader},
                 {{"--columns", "1,4", "--header-row"}, sheet, "sheet.tsv\n1\ncat\n2\ndog\n"},
                 {{"--header-row"},
                  dir.Write("cats.csv", "chat,cat\nchien,dog\n"),
                  "cats.csv\nchien\ndog\n"},
                 {{"--columns", "1,3"}, deck, "deck.apkg\n猫\ncat\n"},
                 {{}, deck, "deck.apkg\n猫\nねこ\n"},
             });
}

// A text file is a table only where a tab (or a #separator: line) says so, or the player names
// columns; a first row is a header only where most of its cells name columns.
TEST(CliImportOptions, OurOwnFilesAndRealExportsReadBackAsThemselves) {
    TempDir dir;
    const std::string greetings =
        "Greetings, formal\nGood morning, sir\nBuenos d\xC3\xAD"
        "as, se\xC3\xB1or\nGood evening, madam\nBuenas noches, se\xC3\xB1ora\n";
    const std::string greetingsFile = dir.Write("greetings.txt", greetings);
    const std::string uneven = dir.Write("uneven.txt", "a\tb\tc\nd\te\n");
    // A Japanese-English export: word, reading, meaning, an empty field and a tag, and on some
    // rows one more empty field.
    const std::string japanese =
        dir.Write("japanese.txt", "猫\tねこ\tcat\t\tN5\n犬\tいぬ\tdog\t\tN5\t\n鳥\tとり\tbird\t\tN5"
                                  "\n魚\tさかな\tfish\t\tN5\t\n");
    const std::string anki = dir.Write(
        "anki.txt", "#separator:tab\n#html:true\n#tags column:8\n"
                    "Spanish\tEnglish\tSwedish\tTag\tExample ES\tExample EN\tComment\tTag\n"
                    "perro\tdog\thund\tanimal\tel perro\tthe dog\t\tx\n"
                    "gato\tcat\tkatt\tanimal\tel gato\tthe cat\t\tx\n");
    ExpectExports(
        dir, {
                 {{}, greetingsFile, greetings},
                 {{},
                  dir.Write("numbers.csv", Numbers),
                  "numbers.csv\nnumber\nnum\xC3\xA9ro\nhouse\nmaison\ndog\nchien\ncat\nchat\n"},
                 {{}, uneven, "a\tb\tc\nd\te\n"},
                 {{"--columns", "1,2"}, uneven, "uneven.txt\na\nb\nd\ne\n"},
                 {{}, japanese, "japanese.txt\n猫\nねこ\n犬\nいぬ\n鳥\nとり\n魚\nさかな\n"},
                 {{"--columns", "1,3"},
                  japanese,
                  "japanese.txt\n猫\ncat\n犬\ndog\n鳥\nbird\n魚\nfish\n"},
                 {{},
                  anki,
                  "anki.txt\nperro\ndog [note=el perro]\ngato\ncat [note=el gato]\n",
                  "note: The first row (Spanish, English, Swedish, Tag, Example ES, Example EN, "
                  "Comment, Tag) was taken for the names of the columns and left out.\n"},
             });
    // The game's own CSV of a list that begins with such a pair reads back whole.
    const std::string numbers = dir.Write(
        "numbers.txt", "Numbers\nnumber\nnum\xC3\xA9ro\nhouse\nmaison\ndog\nchien\ncat\nchat\n");
    const std::string csv = (dir.path() / "exported.csv").string();
    ASSERT_EQ(RunCli(dir, {"--export", csv, numbers}).status, 0);
    ExpectExports(
        dir,
        {{{}, csv, "exported.csv\nnumber\nnum\xC3\xA9ro\nhouse\nmaison\ndog\nchien\ncat\nchat\n"}});
}

TEST(CliImportOptions, AColumnPastTheLastOrAMalformedOneIsAUsageError) {
    TempDir dir;
    const std::string sheet = dir.Write("sheet.tsv", Sheet);
    const CliRun past = RunCli(dir, {"--columns", "2,5", sheet});
    EXPECT_EQ(past.status, 2);
    EXPECT_TRUE(past.errors.starts_with("error: " + sheet +
                                        ": It has no column 5; its last column is 4.\n"))
        << past.errors;
    EXPECT_TRUE(past.summary.empty());
    for (const char* columns : {"0,1", "1", "1,", "a,b", "1,2,3,4", "1,2,0", "-1,2"}) {
        const CliRun run = RunCli(dir, {"--columns", columns, sheet});
        EXPECT_EQ(run.status, 2) << columns;
        EXPECT_NE(run.errors.find("usage: glossatiles-cli"), std::string::npos) << columns;
    }
}

} // namespace
