#include "support/recorded_reviews.h"

#include <ctime>
#include <set>

std::int64_t NoonOf(Day day) {
    const std::chrono::year_month_day date(day);
    std::tm parts{};
    parts.tm_year = static_cast<int>(date.year()) - 1900;
    parts.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    parts.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    parts.tm_hour = 12;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

bool RecordReviews(ProgressStore& store, const std::vector<ReviewRecord>& log) {
    const std::string fingerprint = "5151515151515151";
    GameResult game;
    std::set<std::string> inGame;
    const auto finish = [&] {
        const bool kept = game.outcomes.empty() || store.Record(game);
        game.outcomes.clear();
        inGame.clear();
        return kept;
    };
    for (const ReviewRecord& review : log) {
        const char* kind =
            review.source == ReviewSource::Typing ? GameKind::Typing : GameKind::List;
        const std::int64_t finishedAt = NoonOf(review.day);
        if ((game.finishedAt != finishedAt || game.kind != kind || inGame.contains(review.pair)) &&
            !finish()) {
            return false;
        }
        game.listPath = "/lists/learned.txt";
        game.fingerprint = fingerprint;
        game.listDescription = "Learned";
        game.finishedAt = finishedAt;
        game.kind = kind;
        game.outcomes.push_back(
            {{fingerprint, review.pair, "to " + review.pair}, 0, 0, 0, review.grade});
        inGame.insert(review.pair);
    }
    return finish();
}
