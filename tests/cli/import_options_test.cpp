#include "cli_runner.h"
#include "support/anki_deck.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

const std::string Sheet = "id\tword\treading\tmeaning\n1\tneko\tねこ\tcat\n2\tinu\tいぬ\tdog\n";

// The exported native list shows exactly which pairs were read.
TEST(CliImportOptions, ColumnsAndHeaderRowPickWhatIsRead) {
    TempDir dir;
    const std::string sheet = dir.Write("sheet.tsv", Sheet);
    const std::string plain = dir.Write("plain.txt", "word,meaning\nchat,cat\n");
    const std::string deck = dir.Write(
        "deck.apkg",
        AnkiPackage({18, {{5, {"Expression", "Reading", "Meaning"}}}, {{5, {"猫", "ねこ", "cat"}}}},
                    true));
    const std::string out = (dir.path() / "out.txt").string();
    const struct {
        std::vector<std::string> options;
        std::string file;
        std::string pairs;
    } cases[] = {
        {{}, sheet, "neko\ncat\ninu\ndog\n"},
        {{"--columns", "3,2"}, sheet, "ねこ\nneko\nいぬ\ninu\n"},
        {{"--columns", "1,4", "--header-row"}, sheet, "1\ncat\n2\ndog\n"},
        {{}, plain, "chat\ncat\n"},
        {{"--header-row"}, dir.Write("cats.csv", "chat,cat\nchien,dog\n"), "chien\ndog\n"},
        {{"--columns", "1,3"}, deck, "猫\ncat\n"},
        {{}, deck, "猫\nねこ\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), {"--export", out, c.file});
        const CliRun run = RunCli(dir, arguments);
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(run.status, 0) << run.errors;
        const std::string exported = ReadBytes(out);
        EXPECT_EQ(exported.substr(exported.find('\n') + 1), c.pairs);
    }
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
    for (const char* columns : {"0,1", "1", "1,", "a,b", "1,2,3", "-1,2"}) {
        const CliRun run = RunCli(dir, {"--columns", columns, sheet});
        EXPECT_EQ(run.status, 2) << columns;
        EXPECT_NE(run.errors.find("usage: glossatiles-cli"), std::string::npos) << columns;
    }
}

} // namespace
