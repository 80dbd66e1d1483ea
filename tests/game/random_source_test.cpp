#include "game/random_source.h"
#include "support/seeds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The classic sequence of this generator for seed 1.
TEST(RandomSource, SeedOneGivesTheClassicSequence) {
    RandomSource random;
    random.Seed(1);
    const std::vector<int> expected{41,    18467, 6334,  26500, 19169,
                                    15724, 11478, 29358, 26962, 24464};
    for (int value : expected) {
        EXPECT_EQ(random.Next(), value);
    }
}

TEST(RandomSource, FollowsTheLinearCongruentialStepForAnySeed) {
    for (std::uint64_t seed : {0ull, 7ull, 1202043900ull, 4294967295ull}) {
        RandomSource random;
        random.Seed(static_cast<std::uint32_t>(seed));
        std::uint64_t x = seed;
        for (int i = 0; i < 100; ++i) {
            x = (x * 214013 + 2531011) % 4294967296ull;
            ASSERT_EQ(random.Next(), static_cast<int>((x >> 16) & 0x7FFF)) << seed << " " << i;
        }
    }
}

TEST(RandomSource, ReachesBothEndsOfItsRange) {
    for (int draw : {0, 1, 16384, 32766, 32767}) {
        RandomSource random;
        random.Seed(SeedYielding(draw));
        EXPECT_EQ(random.Next(), draw);
    }
}

struct NumberCase {
    int n;
    int draw;
    int result;
};

class GetRandomNumberEdges : public testing::TestWithParam<NumberCase> {};

TEST_P(GetRandomNumberEdges, ScalesTheDrawToOneToN) {
    const NumberCase c = GetParam();
    RandomSource random;
    random.Seed(SeedYielding(c.draw));
    EXPECT_EQ(GetRandomNumber(random, c.n), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, GetRandomNumberEdges,
    testing::Values(NumberCase{1, 0, 1}, NumberCase{1, 32767, 1}, NumberCase{5, 0, 1},
                    NumberCase{5, 13106, 1}, NumberCase{5, 13107, 2}, NumberCase{5, 19660, 2},
                    NumberCase{5, 19661, 3}, NumberCase{5, 26213, 3}, NumberCase{5, 26214, 4},
                    NumberCase{5, 32766, 4}, NumberCase{5, 32767, 5}, NumberCase{7, 32767, 7},
                    NumberCase{7, 32766, 6},
                    // Past 65,538 the product no longer fits 32 bits.
                    NumberCase{100000, 32767, 100000}, NumberCase{100000, 16384, 50001},
                    NumberCase{2000000, 32766, 1999938}));

TEST(GetRandomNumber, ZeroDrawsNothing) {
    RandomSource random;
    random.Seed(1);
    EXPECT_EQ(GetRandomNumber(random, 0), 0);
    EXPECT_EQ(random.Next(), 41);
}

} // namespace
