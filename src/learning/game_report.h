#pragma once

#include "learning/game_record.h"
#include "learning/progress_store.h"

#include <cstdint>
#include <string>
#include <vector>

struct GameState;

// A pair the player had trouble with, as the end of the game shows it.
struct TroubledPair {
    std::int32_t index = 0;
    std::string textA;
    std::string textB;
    PairRecord record;
    // Each confused pair's two words, "TextA = TextB".
    std::vector<std::string> confusedWith;
    // The files of its sides' pictures where the window may show them, "" for none.
    std::string pictureA = {};
    std::string pictureB = {};
};

// What the end of a game shows: the counters, the time taken and the troubled pairs.
struct GameReport {
    std::int64_t seconds = 0;
    std::int32_t correct = 0;
    std::int32_t wrong = 0;
    std::int32_t hints = 0;
    std::int32_t undos = 0;
    // Hardest first.
    std::vector<TroubledPair> troubled;
    // A game of Today's Review, whose pairs are all worth typing afterwards.
    bool todaysReview = false;
};

GameReport ReportGame(const GameState& state, const GameRecord& record);

// The review a finished game gives a pair: Again when it was missed or the game removed it
// (hint, automatic play), Hard when one of its tiles was peeked at first, otherwise Good.
Grade GradeOf(const PairRecord& record);

// The finished game as the progress store keeps it, each pair under its own list.
GameResult GameResultOf(const GameState& state, const GameRecord& record);

// "12:05" or "1:02:05".
std::string Duration(std::int64_t seconds);
