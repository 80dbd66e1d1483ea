#include "cli_runner.h"
#include "support/temp_dir.h"

#include "files/open_file.h"
#include "game/game_state.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

namespace {

// What a poppler tool prints about a PDF.
std::string Poppler(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, read);
    }
    pclose(pipe);
    return output;
}

std::string OneSpaced(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// Each layout of each example holds every word as text, and the list's description as title.
TEST(CliWorksheet, EveryLayoutHoldsEveryWordAsTextAndCardsFillBothSidesOfEachSheet) {
    TempDir dir;
    for (const char* example : {"french-verbs.txt", "greetings-many-scripts.txt"}) {
        const std::string list = std::string(GLOSSATILES_EXAMPLES) + "/" + example;
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, list), OpenResult::Dealt);
        for (const char* layout : {"list", "test", "cards"}) {
            SCOPED_TRACE(std::string(example) + " " + layout);
            const std::string pdf = (dir.path() / (std::string(layout) + ".pdf")).string();
            const CliRun run =
                RunCli(dir, {"--worksheet", pdf, "--layout", layout, "--seed", "5", list});
            ASSERT_EQ(run.status, 0) << run.errors;
            EXPECT_EQ(run.errors, "");
            const std::string text =
                OneSpaced(Poppler("pdftotext -enc UTF-8 " + Quoted(pdf) + " -"));
            for (const WordPair& pair : state.WordList) {
                for (const std::string& word : {*pair.TextA, *pair.TextB}) {
                    EXPECT_NE(text.find(OneSpaced(word)), std::string::npos) << word;
                }
            }
            const std::string info = Poppler("pdfinfo -enc UTF-8 " + Quoted(pdf));
            EXPECT_TRUE(
                std::regex_search(info, std::regex("Title: +" + state.FileDescription + "\n")))
                << info;
            std::smatch pages;
            ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages: +([0-9]+)")));
            if (std::string(layout) == "cards") {
                EXPECT_EQ(std::stoi(pages[1]) % 2, 0);
            }
        }
    }
}

TEST(CliWorksheet, NeedsALayoutAndWritesNothingWhereItCannot) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nchat\ncat\n");
    const std::string pdf = (dir.path() / "out.pdf").string();
    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{"--worksheet", pdf, list},
          {"--layout", "list", list},
          {"--worksheet", pdf, "--layout", "poster", list}}) {
        EXPECT_EQ(RunCli(dir, usage).status, 2) << testing::PrintToString(usage);
    }
    const std::string nowhere = (dir.path() / "no/out.pdf").string();
    const CliRun failed = RunCli(dir, {"--worksheet", nowhere, "--layout", "list", list});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.errors.find("message: Can't write the file\\n" + nowhere), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
