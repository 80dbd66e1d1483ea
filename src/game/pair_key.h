#pragma once

#include <compare>
#include <string>

// Who a pair is in the progress records: its list's fingerprint and its two words as that list
// holds them. The same words in two lists are two pairs.
struct PairKey {
    std::string fingerprint;
    std::string textA;
    std::string textB;

    auto operator<=>(const PairKey&) const = default;
};
