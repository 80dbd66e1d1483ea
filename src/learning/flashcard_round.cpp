#include "learning/flashcard_round.h"

#include "learning/progress_store.h"

Message IntervalLabel(Grade grade, int days) {
    switch (grade) {
    case Grade::Again:
        return PluralMessage(GT_PLURAL_TEXT("Message", "Again · %n days"), "Again · %n day", days);
    case Grade::Hard:
        return PluralMessage(GT_PLURAL_TEXT("Message", "Hard · %n days"), "Hard · %n day", days);
    case Grade::Good:
        break;
    case Grade::Easy:
        return PluralMessage(GT_PLURAL_TEXT("Message", "Easy · %n days"), "Easy · %n day", days);
    }
    return PluralMessage(GT_PLURAL_TEXT("Message", "Good · %n days"), "Good · %n day", days);
}

FlashcardRound::FlashcardRound(const std::vector<TypingPair>& pairs,
                               const std::vector<PairMemory>& memories, RoundDirection direction,
                               RandomSource& random, std::time_t now,
                               const ReviewSettings& settings)
    : PracticeRound(GameKind::Flashcards, true, pairs, direction, random, now), day_(LocalDay(now)),
      settings_(settings) {
    for (const TypingPair& pair : pairs) {
        const auto at = static_cast<std::size_t>(pair.index);
        memories_[pair.index] =
            pair.index >= 0 && at < memories.size() ? memories[at] : PairMemory{};
    }
}

bool FlashcardRound::Turned() const {
    return !Over() && turned_ == std::pair(Progress().question, ShowsTextA());
}

void FlashcardRound::Turn() {
    if (!Over()) {
        turned_ = std::pair(Progress().question, ShowsTextA());
    }
}

std::array<int, 4> FlashcardRound::Intervals() const {
    std::array<int, 4> days{};
    if (Over()) {
        return days;
    }
    const PairMemory& memory = memories_.at(PairNow().index);
    for (const Grade grade : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy}) {
        const ReviewEffect effect = NextReview(memory.schedule, memory.day, day_, grade,
                                               ReviewSource::Flashcards, settings_);
        days[static_cast<std::size_t>(grade) - 1] =
            static_cast<int>((effect.after.due - day_).count());
    }
    return days;
}

bool FlashcardRound::GradeCard(Grade grade, std::time_t now) {
    if (!Turned() || !IsGrade(grade)) {
        return false;
    }
    PairMemory& memory = memories_.at(PairNow().index);
    memory = Remembered(
        memory,
        NextReview(memory.schedule, memory.day, day_, grade, ReviewSource::Flashcards, settings_),
        ReviewSource::Flashcards);
    Record(grade, now);
    return true;
}
