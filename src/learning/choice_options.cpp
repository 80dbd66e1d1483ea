#include "learning/choice_options.h"

#include "learning/letters.h"

#include <algorithm>
#include <utf8proc.h>

namespace {

bool Confused(const Confusions& confusedWith, std::int32_t pair, std::int32_t other) {
    const auto found = confusedWith.find(pair);
    return found != confusedWith.end() &&
           std::ranges::find(found->second, other) != found->second.end();
}

// A word as the player reads it, and its length in letters (in bytes when it is not UTF-8).
struct Seen {
    std::string text;
    std::size_t length = 0;
};

Seen SeenOf(std::string_view word) {
    const std::optional<Letters> letters = Mapped(word, UTF8PROC_COMPOSE);
    return letters ? Seen{Utf8(*letters), letters->size()} : Seen{std::string(word), word.size()};
}

struct Distractor {
    const TypingPair* pair;
    std::string seen;
    bool confused;
    std::size_t lengthGap;
};

} // namespace

std::string SeenText(std::string_view word) {
    return SeenOf(word).text;
}

OfferedAnswers OfferAnswers(const TypingPair& asked, bool answerIsTextA,
                            const std::vector<TypingPair>& list, const Confusions& confusedWith,
                            RandomSource& random, std::size_t count) {
    const std::string& answer = SideText(asked, answerIsTextA);
    const Seen right = SeenOf(answer);
    const std::string shown = SeenText(SideText(asked, !answerIsTextA));
    std::vector<Distractor> candidates;
    for (const TypingPair& pair : list) {
        // Another pair shown as this one is would make two right answers; pictures alone do not.
        if (pair.index == asked.index || SideText(pair, answerIsTextA).empty() ||
            (!shown.empty() && SeenText(SideText(pair, !answerIsTextA)) == shown)) {
            continue;
        }
        Seen seen = SeenOf(SideText(pair, answerIsTextA));
        if (seen.text == right.text) {
            continue;
        }
        const auto [shorter, longer] = std::minmax(seen.length, right.length);
        candidates.push_back({&pair, std::move(seen.text),
                              Confused(confusedWith, asked.index, pair.index) ||
                                  Confused(confusedWith, pair.index, asked.index),
                              longer - shorter});
    }
    for (std::size_t i = candidates.size(); i > 1; --i) {
        std::swap(candidates[i - 1], candidates[RandomBelow(random, i)]);
    }
    std::ranges::stable_sort(candidates, [](const Distractor& a, const Distractor& b) {
        return std::pair(!a.confused, a.lengthGap) < std::pair(!b.confused, b.lengthGap);
    });

    OfferedAnswers offered;
    std::vector<std::string_view> taken;
    for (const Distractor& candidate : candidates) {
        if (offered.texts.size() + 1 >= count) {
            break;
        }
        if (std::ranges::find(taken, candidate.seen) == taken.end()) {
            taken.push_back(candidate.seen);
            offered.texts.push_back(SideText(*candidate.pair, answerIsTextA));
        }
    }
    offered.right = RandomBelow(random, offered.texts.size() + 1);
    offered.texts.insert(offered.texts.begin() + static_cast<std::ptrdiff_t>(offered.right),
                         answer);
    return offered;
}
