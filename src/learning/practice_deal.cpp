#include "learning/practice_deal.h"

#include "game/auto_play.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "learning/pair_identity.h"

#include <algorithm>
#include <filesystem>

namespace {
// Replaces the game's list with `pairs`; the game keeps naming the list they came from.
DealOutcome DealPairs(GameState& state, GameHost& host, PracticePairs pairs, const Message& title) {
    StopAutomaticPlay(state, host);
    ResetView(state);
    state.WordsCount = static_cast<std::int32_t>(pairs.pairs.size());
    state.WordList = std::move(pairs.pairs);
    state.Identity.pairs = std::move(pairs.keys);
    state.RecordFileName.clear();
    host.ReportTitle(title);
    const DealOutcome outcome = NewGameUnblocked(state, host);
    host.InvalidateAll();
    return outcome;
}
} // namespace

PracticePairs PairsAt(const GameState& state, std::vector<std::int32_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    const GameIdentity identity = IdentityOf(state);
    PracticePairs chosen;
    for (const std::int32_t index : indices) {
        if (index >= 0 && static_cast<std::size_t>(index) < state.WordList.size()) {
            chosen.pairs.push_back(state.WordList[static_cast<std::size_t>(index)]);
            chosen.keys.push_back(KeyOf(identity, state.WordList, static_cast<std::size_t>(index)));
        }
    }
    return chosen;
}

PracticePairs PairsNamed(const GameState& state,
                         const std::vector<std::pair<std::string, std::string>>& words) {
    const GameIdentity identity = IdentityOf(state);
    PracticePairs chosen;
    for (std::size_t i = 0; i < state.WordList.size(); ++i) {
        const PairKey key = KeyOf(identity, state.WordList, i);
        if (std::find(words.begin(), words.end(), std::pair(key.textA, key.textB)) != words.end()) {
            chosen.pairs.push_back(state.WordList[i]);
            chosen.keys.push_back(key);
        }
    }
    return chosen;
}

std::string PracticeDescription(std::string_view what, std::string_view listDescription) {
    return CutText(std::string(what) + ": " + std::string(listDescription));
}

DealOutcome DealPractice(GameState& state, GameHost& host, PracticePairs pairs, const char* what,
                         std::string_view kind) {
    // Fixed before the list in play gives way to the pairs.
    state.Identity = IdentityOf(state);
    state.Identity.kind = kind;
    // A list that came from no file is named by its description.
    const std::string listName = state.ListPath.empty()
                                     ? state.FileDescription
                                     : std::filesystem::path(state.ListPath).filename().string();
    state.FileDescription = PracticeDescription(what, state.FileDescription);
    return DealPairs(
        state, host, std::move(pairs),
        NestedMessage(GT_TEXT("Message", "Glossatiles - %2 of %1"), {listName}, {Message(what)}));
}

DealOutcome DealReview(GameState& state, GameHost& host, const std::vector<ScheduledPair>& due) {
    PracticePairs pairs;
    for (const ScheduledPair& pair : due) {
        pairs.pairs.push_back({pair.key.textA, pair.key.textB});
        pairs.keys.push_back(pair.key);
    }
    state.Identity = {ReviewFingerprint, TodaysReviewTitle, GameKind::Review, {}};
    state.FileDescription = TodaysReviewTitle;
    state.BrowseFileName.clear();
    state.ListPath.clear();
    state.Reading.reset();
    state.Languages = {};
    return DealPairs(
        state, host, std::move(pairs),
        NestedMessage(GT_TEXT("Message", "Glossatiles - %1"), {}, {Message(TodaysReviewTitle)}));
}
