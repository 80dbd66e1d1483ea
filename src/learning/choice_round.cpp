#include "learning/choice_round.h"

#include "game/random_source.h"
#include "learning/progress_store.h"

#include <utility>

namespace {

std::uint32_t SeedFrom(RandomSource& random) {
    const auto high = static_cast<std::uint32_t>(random.Next());
    return high << 15 | static_cast<std::uint32_t>(random.Next());
}

} // namespace

ChoiceRound::ChoiceRound(const std::vector<TypingPair>& pairs, std::vector<TypingPair> list,
                         Confusions confusedWith, RoundDirection direction, RandomSource& random,
                         std::time_t now)
    : PracticeRound(GameKind::Choice, false, pairs, direction, random, now), list_(std::move(list)),
      confusedWith_(std::move(confusedWith)), seed_(SeedFrom(random)) {}

OfferedAnswers ChoiceRound::Offered() const {
    if (Over()) {
        return {};
    }
    // Each question draws from its own seed, so that asking twice offers the same answers.
    RandomSource random;
    random.Seed(seed_ + static_cast<std::uint32_t>(Progress().question) * 7919u);
    return OfferAnswers(PairNow(), !ShowsTextA(), list_, confusedWith_, random);
}

ChoiceVerdict ChoiceRound::Choose(std::size_t option, std::time_t now) {
    if (Over()) {
        return {};
    }
    const OfferedAnswers offered = Offered();
    ChoiceVerdict verdict;
    verdict.right = option == offered.right;
    verdict.chosen = option < offered.texts.size() ? offered.texts[option] : "";
    verdict.answer = offered.texts[offered.right];
    Record(verdict.right ? Grade::Good : Grade::Again, now);
    return verdict;
}
