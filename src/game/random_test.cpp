#include "game/random_test.h"

#include "game/game_host.h"
#include "game/random_source.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {
constexpr int RawDraws = 10;
constexpr int RangedDraws = 10;
constexpr int DrawsForLargest = 1000;

// Room for any one line of the report.
using Line = std::array<char, 64>;
} // namespace

std::string RandomTestReport(std::uint32_t seed) {
    RandomSource random;
    std::string report;
    Line line{};
    std::snprintf(line.data(), line.size(), "RAND_MAX 0x%x\n", RandomSource::Max);
    report += line.data();
    random.Seed(seed);
    for (int i = 0; i < RawDraws; ++i) {
        std::snprintf(line.data(), line.size(), "  %6d\n", random.Next());
        report += line.data();
    }
    for (int i = 0; i < RangedDraws; ++i) {
        const long value = GetRandomNumber(random, 10);
        std::snprintf(line.data(), line.size(), "Max 10  %ld\n", value);
        report += line.data();
    }
    long largest = 0;
    for (int i = 0; i < DrawsForLargest; ++i) {
        largest = std::max<long>(largest, random.Next());
    }
    std::snprintf(line.data(), line.size(), "max %ld\n", largest);
    report += line.data();
    return report;
}

void RandomNumberTest(GameHost& host) {
    host.ShowMessage(RandomTestReport(host.RandomSeed()));
}
