#include "game/random_test.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(RandomTest, ReportFollowsTheGeneratorFormula) {
    // With this seed the thousandth draw of the last line is its largest and the next draw is
    // larger still, so a miscounted run shows.
    constexpr std::uint32_t Seed = 74414;
    std::uint32_t x = Seed;
    const auto draw = [&x] {
        x = x * 214013u + 2531011u;
        return static_cast<long>((x >> 16) & 0x7FFF);
    };
    std::vector<std::string> expected{"RAND_MAX 0x7fff"};
    for (int i = 0; i < 10; ++i) {
        std::string number = std::to_string(draw());
        expected.push_back("  " + std::string(6 - number.size(), ' ') + number);
    }
    for (int i = 0; i < 10; ++i) {
        const long ranged = std::max(1L, draw() * 10 / 32767);
        expected.push_back("Max 10  " + std::to_string(ranged));
    }
    long largest = 0;
    for (int i = 0; i < 1000; ++i) {
        largest = std::max(largest, draw());
    }
    expected.push_back("max " + std::to_string(largest));

    const std::string report = RandomTestReport(Seed);
    EXPECT_EQ(Lines(report), expected);
    EXPECT_EQ(report.back(), '\n');
}

TEST(RandomTest, CommandShowsTheReportForTheHostSeed) {
    RecordingHost host;
    host.seed = 7;
    RandomNumberTest(host);
    EXPECT_EQ(host.messages, (std::vector<std::string>{RandomTestReport(7)}));
    EXPECT_EQ(std::count(host.messages.at(0).begin(), host.messages.at(0).end(), '\n'), 22);
}

} // namespace
