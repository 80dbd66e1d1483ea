#include "learning/typing_result.h"

GameResult TypingRoundResult(const TypingRound& round, const GameIdentity& identity,
                             const std::string& listPath, std::time_t finishedAt) {
    const RoundSummary summary = round.Summary();
    GameResult result;
    result.listPath = listPath;
    result.fingerprint = identity.fingerprint;
    result.listDescription = identity.description;
    result.kind = GameKind::Typing;
    result.finishedAt = static_cast<std::int64_t>(finishedAt);
    result.seconds = summary.seconds;
    result.pairs = summary.pairs;
    result.correct = summary.rightFirstTry;
    result.wrong = summary.wrong;
    for (const TypedPair& typed : round.Answered()) {
        const auto index = static_cast<std::size_t>(typed.pair.index);
        if (typed.pair.index < 0 || index >= identity.pairs.size()) {
            continue;
        }
        const bool missed = typed.first == AnswerVerdict::Wrong;
        result.outcomes.push_back({identity.pairs[index], missed ? 1 : 0, 0, 0, GradeOf(typed)});
    }
    return result;
}
