#include "cli/progress_report.h"

#include "game/game_state.h"
#include "learning/game_report.h"
#include "learning/pair_identity.h"
#include "learning/progress_store.h"

#include <cmath>
#include <ctime>

namespace {
std::string UtcTime(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", &parts);
    return text;
}

std::string GameLine(const GameResult& game) {
    const std::optional<double> accuracy = Accuracy(game);
    return "game: " + UtcTime(game.finishedAt) + ", " + Duration(game.seconds) + ", " +
           std::to_string(game.pairs) + " pairs, " + std::to_string(game.correct) + " correct, " +
           std::to_string(game.wrong) + " wrong, " +
           (accuracy ? std::to_string(std::lround(*accuracy * 100)) + "%" : std::string("-")) +
           " accuracy, " + std::to_string(game.hints) + " hints, " + std::to_string(game.peeks) +
           " peeks, " + (game.assisted ? "assisted" : "unassisted") + ", " +
           std::to_string(game.undos) + " undos\n";
}

// "3 times", "1 game".
std::string Count(std::int64_t number, const std::string& one, const std::string& many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

// Misses are wrong picks, several in one game maybe; seen counts the games.
std::string PairLine(const PairTotal& pair) {
    return "hardest: " + pair.textA + " = " + pair.textB + ", missed " +
           Count(pair.missed, "time", "times") + " in " + Count(pair.seen, "game", "games") +
           ", last " + UtcTime(pair.lastMissed) + "\n";
}
} // namespace

std::optional<std::string> ProgressReport(const GameState& state, ProgressStore& store) {
    const std::string fingerprint = IdentityOf(state).fingerprint;
    const auto games = store.Games(fingerprint);
    const auto hardest = store.HardestPairs(fingerprint, HardestPairCount);
    if (!games || !hardest) {
        return std::nullopt;
    }
    std::string report = "list: " + state.ListPath + "\nfingerprint: " + fingerprint +
                         "\ngames: " + std::to_string(games->size()) + "\n";
    for (const GameResult& game : *games) {
        report += GameLine(game);
    }
    for (const PairTotal& pair : *hardest) {
        report += PairLine(pair);
    }
    return report;
}
