#include "game/random_source.h"

std::int32_t GetRandomNumber(RandomSource& random, std::int32_t n) {
    if (n == 0) {
        return 0;
    }
    // 64 bits: r * n overflows 32 bits once n passes 65,538.
    const std::int64_t q = static_cast<std::int64_t>(random.Next()) * n / RandomSource::Max;
    return q == 0 ? 1 : static_cast<std::int32_t>(q);
}
