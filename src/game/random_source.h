#pragma once

#include <cstdint>

// The linear congruential generator that deals have always used, kept bit for bit so that a
// seed gives the same board on every platform: x = x * 214013 + 2531011 (mod 2^32), each draw
// yielding bits 16 to 30 of the new state.
class RandomSource {
public:
    static constexpr int Max = 32767;

    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_ = 1;
};

// A number from 1 to n (0 for n = 0): q = r * n / 32767, with 1 in place of 0.
std::int32_t GetRandomNumber(RandomSource& random, std::int32_t n);
