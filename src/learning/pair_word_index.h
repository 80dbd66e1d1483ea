#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A tag for each pair, looked up by the pair's words. The words are kept as two 64-bit hashes
// in an open-addressed table rather than as strings, so that a hundred thousand lookups cost a
// cache miss or so each: two pairs of different words share both hashes by a chance far below
// one in a billion, and only the home page's counts depend on it.
class PairWordIndex {
public:
    void Add(std::string_view wordA, std::string_view wordB, std::uint32_t tag);
    // The tag of the pair first added with these words.
    std::optional<std::uint32_t> TagOf(std::string_view wordA, std::string_view wordB) const;

private:
    struct Slot {
        std::uint64_t hashA = 0;
        std::uint64_t hashB = 0;
        std::uint32_t tag = 0;
        bool used = false;
    };
    // The slot holding these hashes, or the free one where they would go.
    std::size_t SlotOf(std::uint64_t hashA, std::uint64_t hashB) const;
    void Grow();

    std::vector<Slot> slots_ = std::vector<Slot>(16);
    std::size_t used_ = 0;
};
