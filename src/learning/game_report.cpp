#include "learning/game_report.h"

#include "game/game_state.h"
#include "learning/pair_identity.h"
#include "words/side_line.h"

#include <cstdio>

namespace {
std::string Word(const std::optional<std::string>& word) {
    return word.value_or(std::string());
}

const WordPair* PairOf(const GameState& state, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= state.WordList.size()) {
        return nullptr;
    }
    return &state.WordList[static_cast<std::size_t>(index)];
}
} // namespace

GameReport ReportGame(const GameState& state, const GameRecord& record) {
    GameReport report{record.FinishedAt() - record.StartedAt(),
                      state.CorrectCount,
                      state.WrongCount,
                      state.HintCount,
                      record.Undos(),
                      {},
                      state.Identity.kind == GameKind::Review};
    for (const std::int32_t index : HardestFirst(record.Pairs())) {
        const WordPair* pair = PairOf(state, index);
        if (!pair) {
            continue;
        }
        TroubledPair line{
            index, Word(pair->TextA), Word(pair->TextB), record.Pairs().at(index), {}};
        for (const std::int32_t other : line.record.confusedWith) {
            if (const WordPair* confused = PairOf(state, other)) {
                line.confusedWith.push_back(ShownText(Word(confused->TextA)) + " = " +
                                            ShownText(Word(confused->TextB)));
            }
        }
        report.troubled.push_back(std::move(line));
    }
    return report;
}

Grade GradeOf(const PairRecord& record) {
    if (record.missed > 0 || record.assisted > 0) {
        return Grade::Again;
    }
    return record.peeked > 0 ? Grade::Hard : Grade::Good;
}

GameResult GameResultOf(const GameState& state, const GameRecord& record) {
    const GameIdentity identity = IdentityOf(state);
    GameResult result{state.ListPath,
                      identity.fingerprint,
                      record.FinishedAt(),
                      record.FinishedAt() - record.StartedAt(),
                      static_cast<std::int32_t>(record.SeenPairs().size()),
                      state.CorrectCount,
                      state.WrongCount,
                      state.HintCount,
                      record.Peeks(),
                      record.Assisted(),
                      record.Undos(),
                      {},
                      identity.kind,
                      identity.description};
    for (const std::int32_t index : record.SeenPairs()) {
        if (!PairOf(state, index)) {
            continue;
        }
        const auto found = record.Pairs().find(index);
        const PairRecord trouble = found == record.Pairs().end() ? PairRecord{} : found->second;
        // Every pair on the board was removed by the end of the game.
        result.outcomes.push_back({KeyOf(identity, state.WordList, static_cast<std::size_t>(index)),
                                   trouble.missed, trouble.assisted, trouble.peeked,
                                   GradeOf(trouble)});
    }
    return result;
}

std::string Duration(std::int64_t seconds) {
    seconds = seconds < 0 ? 0 : seconds;
    char text[32];
    if (seconds >= 3600) {
        std::snprintf(
            text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
            static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                      static_cast<long long>(seconds % 60));
    }
    return text;
}
