#include "learning/pair_word_index.h"

#include <functional>
#include <utility>

void PairWordIndex::Add(std::string_view wordA, std::string_view wordB, std::uint32_t tag) {
    // At most half full, so that a search meets a free slot soon.
    if (2 * (used_ + 1) > slots_.size()) {
        Grow();
    }
    const std::hash<std::string_view> hash;
    const std::uint64_t hashA = hash(wordA);
    const std::uint64_t hashB = hash(wordB);
    Slot& slot = slots_[SlotOf(hashA, hashB)];
    if (!slot.used) {
        slot = {hashA, hashB, tag, true};
        ++used_;
    }
}

std::optional<std::uint32_t> PairWordIndex::TagOf(std::string_view wordA,
                                                  std::string_view wordB) const {
    const std::hash<std::string_view> hash;
    const Slot& slot = slots_[SlotOf(hash(wordA), hash(wordB))];
    return slot.used ? std::optional(slot.tag) : std::nullopt;
}

std::size_t PairWordIndex::SlotOf(std::uint64_t hashA, std::uint64_t hashB) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = (hashA ^ (hashB * 0x9E3779B97F4A7C15u)) & mask;
    while (slots_[at].used && (slots_[at].hashA != hashA || slots_[at].hashB != hashB)) {
        at = (at + 1) & mask;
    }
    return at;
}

void PairWordIndex::Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    std::swap(old, slots_);
    for (const Slot& slot : old) {
        if (slot.used) {
            slots_[SlotOf(slot.hashA, slot.hashB)] = slot;
        }
    }
}
