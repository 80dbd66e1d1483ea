#pragma once

#include "game/pair_key.h"
#include "learning/memory_weights.h"
#include "learning/pair_history.h"
#include "learning/practice_record.h"
#include "learning/prediction_score.h"
#include "learning/review_record.h"
#include "learning/review_scheduler.h"
#include "learning/same_day_rule.h"
#include "learning/stored_settings.h"
#include "words/message.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How one pair fared in one finished game.
struct PairOutcome {
    // The pair as its own list names it, which for a practice deal is not the game's list.
    PairKey key;
    std::int32_t missed = 0;
    std::int32_t hinted = 0;
    std::int32_t peeked = 0;
    // The review the game gives the pair, dated the local day the game finished.
    std::optional<Grade> grade;
    // A second review on that day after `grade`: a flashcard's grade when it came back.
    std::optional<Grade> retryGrade = std::nullopt;
};

// What a game was, kept with it: a deal of a whole list, or a practice deal of some pairs.
namespace GameKind {
inline constexpr const char* List = "list";
inline constexpr const char* MissedPairs = "missed pairs";
inline constexpr const char* HardestPairs = "hardest pairs";
inline constexpr const char* Review = "review";
// A typing round; its grades come from recall rather than from the board.
inline constexpr const char* Typing = "typing";
// Flashcards graded by the learner, also recall.
inline constexpr const char* Flashcards = "flashcards";
// Choosing the word among four, which schedules but is no evidence of recall.
inline constexpr const char* Choice = "choice";
} // namespace GameKind

// The "list" that Today's Review games are kept under: its pairs come from every list.
inline constexpr const char* ReviewFingerprint = "review";

// One finished game of a list. Times are seconds since 1970 (UTC).
struct GameResult {
    std::string listPath;
    // The list the game was of; a practice deal of one list is kept under that list.
    std::string fingerprint;
    std::int64_t finishedAt = 0;
    std::int64_t seconds = 0;
    std::int32_t pairs = 0;
    std::int32_t correct = 0;
    std::int32_t wrong = 0;
    std::int32_t hints = 0;
    std::int32_t peeks = 0;
    bool assisted = false;
    std::int32_t undos = 0;
    // Every pair that was on the board.
    std::vector<PairOutcome> outcomes;
    std::string kind = GameKind::List;
    // The list's own description, which names it in the review schedule.
    std::string listDescription;
};

// A pair in the review schedule, named by the list it was last seen in and its words there.
struct ScheduledPair {
    PairKey key;
    std::string listDescription;
    Schedule schedule;
};

// Pairs that have met their review by stage: never reviewed (seen before reviews were kept),
// learning (an interval under 21 days), due today or earlier, mature (21 days or more).
struct ReviewStages {
    std::int64_t newPairs = 0;
    std::int64_t learning = 0;
    std::int64_t due = 0;
    std::int64_t mature = 0;
};

inline constexpr int ForecastDays = 30;
inline constexpr int MatureInterval = 21;

// The schedule seen from one day.
struct ReviewSummary {
    // Due on that day or earlier.
    std::int64_t dueNow = 0;
    // The first later day with pairs due, if any.
    std::optional<DueDay> next;
    // Pairs due on each of the next ForecastDays days; the first day counts the overdue too.
    std::array<std::int64_t, ForecastDays> forecast{};
    ReviewStages stages;
};

// The last day a listing reaches to list every scheduled pair.
inline constexpr Day EveryDay = std::chrono::year(9999) / 12 / 31;

struct MemoryFit;

// A pair's totals over all finished games of its list; lastMissed is 0 when never missed.
struct PairTotal {
    std::string textA;
    std::string textB;
    std::int64_t seen = 0;
    std::int64_t missed = 0;
    std::int64_t hinted = 0;
    std::int64_t peeked = 0;
    std::int64_t lastMissed = 0;
};

// A fit of the memory model to the learner's reviews, as the progress database keeps it.
struct KeptFit {
    // Seconds since 1970 (UTC).
    std::int64_t fittedAt = 0;
    MemoryWeights weights = DefaultWeights;
    // The reviews the weights were judged on, and those the log had to predict then.
    std::int64_t reviews = 0;
    std::int64_t items = 0;
    // How well the default and the fitted weights predicted those reviews.
    std::optional<PredictionScore> defaults;
    std::optional<PredictionScore> fitted;
    // Its weights replaced the ones in use, predicting better.
    bool adopted = false;
};

struct KeptFits {
    // The last fit made, whether it was adopted or not.
    std::optional<KeptFit> latest;
    // The last one adopted: its weights schedule every pair (the defaults without one).
    std::optional<KeptFit> inUse;
};

// The weights and the retention that schedule pairs, from what is kept.
ReviewSettings ReviewSettingsOf(const SettingTexts& settings, const KeptFits& fits);

// How many of a list's hardest pairs are shown and dealt again.
inline constexpr int HardestPairCount = 20;

// The share of a game's tries that the player knew: pairs matched unaided ÷ (pairs matched +
// wrong picks + pairs removed for the player); nullopt for a game without any. A pair that
// automatic play removed, or that the player picked after a hint showed it, was not known. A
// typing round's tries are its answers.
inline std::optional<double> Accuracy(const GameResult& game) {
    std::int64_t known = game.correct;
    std::int64_t tries = std::int64_t{game.correct} + game.wrong;
    if (game.kind != std::string_view(GameKind::Typing)) {
        // Each pair automatic play removed took one hint, as did each hint and each peek.
        const std::int64_t removed = std::max<std::int64_t>(0, game.pairs - game.correct);
        known -= std::clamp<std::int64_t>(std::int64_t{game.hints} - game.peeks - removed, 0,
                                          game.correct);
        tries += removed;
    }
    return tries > 0 ? std::optional(static_cast<double>(known) / static_cast<double>(tries))
                     : std::nullopt;
}

// Where finished games are kept, list by list. Every call may fail (the store is the
// learner's file and may be anything); a failure leaves the reason in Problem().
class ProgressStore {
public:
    virtual ~ProgressStore() = default;

    // Keeps a finished game in one transaction: the game, each pair's totals under its own
    // list, and a review for each pair with a grade. A review of recall (typing, flashcards)
    // replaces the board's and the choice round's review of a pair on the same day, and
    // theirs do not count after it.
    virtual bool Record(const GameResult& game) = 0;
    // The list's games, oldest first (without their outcomes).
    virtual std::optional<std::vector<GameResult>> Games(const std::string& fingerprint) = 0;
    // Up to `limit` pairs of the list that were missed, most misses first.
    virtual std::optional<std::vector<PairTotal>> HardestPairs(const std::string& fingerprint,
                                                               int limit) = 0;
    // Up to `limit` pairs due on `dueBy` or earlier (EveryDay for all), by due day, then by
    // word: most overdue first. Each pair once, however many lists it was seen in.
    virtual std::optional<std::vector<ScheduledPair>> ScheduledPairs(Day dueBy,
                                                                     std::int64_t limit) = 0;
    virtual std::optional<ReviewSummary> Summary(Day today) = 0;
    // Pairs practised day by day, and every list played, as they stand on `today`.
    virtual std::optional<PracticeRecord> Practice(Day today) = 0;
    // The list's file was moved: its games and progress follow it from `from` to `to`.
    virtual bool MoveList(const std::string& from, const std::string& to) = 0;
    // What a review of each pair on `day` starts from, in the order given.
    virtual std::optional<std::vector<PairMemory>> Memories(const std::vector<PairKey>& pairs,
                                                            Day day) = 0;
    // Every review of the log in time order, each pair named by its memory key.
    virtual std::optional<std::vector<ReviewRecord>> ReviewLog() = 0;
    // What a results file tells of each of `pairs`, in their order, as played in the list
    // `fingerprint` or in an edited copy of the same description.
    virtual std::optional<std::vector<PairHistory>>
    PairHistories(const std::string& fingerprint, const std::string& description,
                  const std::vector<MemoryKey>& pairs) = 0;

    virtual std::optional<SettingTexts> Settings() = 0;
    // Keeps `text` under `key`. Changing a setting that reschedules replays every schedule
    // from the review log with it, in the same transaction.
    virtual bool SetSetting(std::string_view key, const std::string& text) = 0;

    virtual std::optional<KeptFits> Fits() = 0;
    // Keeps a fit made at `fittedAt` (seconds since 1970). When it predicts the reviews better
    // than the weights in use, its weights replace them and every schedule is replayed from the
    // review log with them, in one transaction.
    virtual bool KeepFit(const MemoryFit& fit, std::int64_t fittedAt) = 0;

    virtual Message Problem() const = 0;
    // The same store for another thread, which must not share this one; null when there is
    // none to share.
    virtual std::unique_ptr<ProgressStore> Another() const { return nullptr; }
};

// The weights and the retention that schedule pairs now.
std::optional<ReviewSettings> StoredReviewSettings(ProgressStore& store);

// What the player is told when the store could not keep a game or a review.
inline Message ProgressNotKept(const ProgressStore& store) {
    return NestedMessage(GT_TEXT("Message", "Progress is not kept: %1"), {}, {store.Problem()});
}
