#pragma once

#include <cstdint>

// A seed whose first draw from the game's generator is exactly `draw` (0 to 32767), found by
// running the generator's step backwards: state = (target - 2531011) / 214013 mod 2^32.
inline std::uint32_t SeedYielding(int draw) {
    constexpr std::uint32_t multiplier = 214013u;
    std::uint32_t inverse = multiplier; // Newton's iteration doubles the correct low bits
    for (int i = 0; i < 5; ++i) {
        inverse *= 2u - multiplier * inverse;
    }
    const std::uint32_t target = static_cast<std::uint32_t>(draw) << 16;
    return (target - 2531011u) * inverse;
}
