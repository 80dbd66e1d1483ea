#include "learning/round_result.h"

#include "game/game_state.h"
#include "learning/pair_identity.h"

GameResult RoundResult(const PracticeRound& round, const GameState& state, std::time_t finishedAt) {
    const GameIdentity identity = IdentityOf(state);
    const RoundSummary summary = round.Summary();
    GameResult result;
    result.listPath = state.ListPath;
    result.fingerprint = identity.fingerprint;
    result.listDescription = identity.description;
    result.kind = round.Kind();
    result.finishedAt = static_cast<std::int64_t>(finishedAt);
    result.seconds = summary.seconds;
    result.pairs = summary.pairs;
    result.correct = summary.rightFirstTry;
    result.wrong = summary.wrong;
    for (const PracticedPair& practiced : round.Answered()) {
        const auto index = static_cast<std::size_t>(practiced.pair.index);
        if (practiced.pair.index < 0 || index >= state.WordList.size()) {
            continue;
        }
        const bool missed = practiced.first == Grade::Again;
        result.outcomes.push_back({KeyOf(identity, state.WordList, index), missed ? 1 : 0, 0, 0,
                                   practiced.first,
                                   round.RetriesAreReviews() ? practiced.retry : std::nullopt});
    }
    return result;
}
