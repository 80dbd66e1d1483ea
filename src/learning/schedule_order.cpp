#include "learning/schedule_order.h"

#include "game/game_state.h"
#include "learning/pair_identity.h"
#include "learning/progress_store.h"
#include "learning/stored_settings.h"

#include <algorithm>
#include <tuple>

std::optional<std::vector<PairMemory>> MemoriesInPlay(const GameState& state, ProgressStore& store,
                                                      Day day) {
    const GameIdentity identity = IdentityOf(state);
    std::vector<PairKey> keys;
    keys.reserve(state.WordList.size());
    for (std::size_t i = 0; i < state.WordList.size(); ++i) {
        keys.push_back(KeyOf(identity, state.WordList, i));
    }
    return store.Memories(keys, day);
}

std::vector<TypingPair> InScheduleOrder(const std::vector<TypingPair>& pairs,
                                        const std::vector<PairMemory>& memories, Day day,
                                        std::size_t size) {
    enum Stage { Due, New, Later };
    struct Place {
        Stage stage;
        Day due;
        std::size_t pair;
    };
    std::vector<Place> places;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const TypingPair& pair = pairs[i];
        if (!Askable(pair)) {
            continue;
        }
        const auto at = static_cast<std::size_t>(pair.index);
        const std::optional<Schedule>& schedule =
            pair.index >= 0 && at < memories.size() ? memories[at].schedule : std::nullopt;
        if (!schedule) {
            places.push_back({New, Day{}, i});
        } else {
            places.push_back({schedule->due <= day ? Due : Later, schedule->due, i});
        }
    }
    std::ranges::sort(places, [](const Place& a, const Place& b) {
        return std::tie(a.stage, a.due, a.pair) < std::tie(b.stage, b.due, b.pair);
    });
    std::vector<TypingPair> ordered;
    for (std::size_t i = 0; i < places.size() && i < size; ++i) {
        ordered.push_back(pairs[places[i].pair]);
    }
    return ordered;
}

ScheduledRound PlanScheduledRound(const GameState& state, const std::vector<TypingPair>& pairs,
                                  ProgressStore& store, Day day) {
    ScheduledRound round;
    std::optional<std::vector<PairMemory>> memories = MemoriesInPlay(state, store, day);
    const std::optional<ReviewSettings> settings =
        memories ? StoredReviewSettings(store) : std::nullopt;
    const std::optional<double> size =
        settings ? ReadSetting(store, Setting::ReviewPairs) : std::nullopt;
    if (size) {
        round.memories = std::move(*memories);
        round.settings = *settings;
    }
    round.read = size.has_value();
    round.pairs =
        InScheduleOrder(pairs, round.memories, day,
                        static_cast<std::size_t>(size.value_or(Setting::ReviewPairs.fallback)));
    return round;
}
