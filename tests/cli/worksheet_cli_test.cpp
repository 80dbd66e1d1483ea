#include "cli_runner.h"
#include "support/temp_dir.h"

#include "files/open_file.h"
#include "game/game_state.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
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

// Words as pdftotext places them: where each starts and ends across the page.
struct PlacedWord {
    double left;
    double right;
    std::string text;
};

std::vector<PlacedWord> PlacedWords(const std::string& pdf) {
    const std::string boxes = Poppler("pdftotext -enc UTF-8 -bbox " + Quoted(pdf) + " -");
    const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" "
                          "yMax=\"[0-9.]+\">([^<]*)</word>");
    std::vector<PlacedWord> words;
    for (auto at = std::sregex_iterator(boxes.begin(), boxes.end(), word);
         at != std::sregex_iterator(); ++at) {
        words.push_back({std::stod((*at)[1]), std::stod((*at)[2]), (*at)[3]});
    }
    return words;
}

// In the list's left column of an A4 page (its middle at 297.5 points): Hebrew ends at the
// column's right edge, a word too long for the column is made smaller to stay in it, and
// Japanese is set in a font that has its glyphs.
TEST(CliWorksheet, RightToLeftWordsStartAtTheRightAndLongWordsShrinkIntoTheirCell) {
    TempDir dir;
    const std::string longWord = "Donaudampfschifffahrtsgesellschaftskapitaenswitwenrentenkasse";
    const std::string list = dir.Write(
        "scripts.txt", "Scripts\nשלום\nhello\nありがとう\nthank you\n" + longWord + "\nlong\n");
    const std::string pdf = (dir.path() / "list.pdf").string();
    ASSERT_EQ(RunCli(dir, {"--worksheet", pdf, "--layout", "list", list}).status, 0);
    const std::vector<PlacedWord> words = PlacedWords(pdf);
    const auto find = [&words](const std::string& text) {
        const auto found = std::find_if(words.begin(), words.end(),
                                        [&](const PlacedWord& w) { return w.text == text; });
        return found == words.end() ? PlacedWord{-1, -1, ""} : *found;
    };
    const double middle = 297.5;
    // pdftotext gives Hebrew letter by letter.
    for (const char* letter : {"ש", "ם"}) {
        EXPECT_GT(find(letter).left, middle / 2) << letter;
        EXPECT_LT(find(letter).right, middle) << letter;
    }
    EXPECT_LT(find(longWord).right, middle);
    EXPECT_GT(find(longWord).left, 0);
    EXPECT_LT(find("ありがとう").right, middle / 2);
    EXPECT_GT(find("ありがとう").left, 0);
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
