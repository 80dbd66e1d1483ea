#pragma once

#include "app/learning_prompter.h"
#include "learning/learning_session.h"
#include "learning/practice_pairs.h"
#include "learning/progress_store.h"
#include "learning/typing_round.h"
#include "words/word_pair.h"

#include <QObject>

#include <memory>

class CGlossatilesView;
struct PlayEvent;

// Learns from the game in the view: records each game, shows "Game finished" when one is won,
// deals the missed or hardest pairs again, and opens the Progress window.
class GameLearning : public QObject {
    Q_OBJECT
public:
    GameLearning(CGlossatilesView& view, std::unique_ptr<ProgressStore> store);

    void SetPrompter(std::unique_ptr<LearningPrompter> prompter);
    void SetStore(std::unique_ptr<ProgressStore> store);

public slots:
    void OnPlayEvent(const PlayEvent& event);
    // Tools > Progress.
    void OnProgress();
    // Keeps a typing round of the list in play: a game of its own kind, and a review per pair.
    void RecordTypingRound(const TypingRound& round);

signals:
    // "Game finished"'s Type the Missed Pairs: the pairs at these places of the list in play.
    void TypePairsRequested(const std::vector<std::int32_t>& pairs);

private:
    struct FinishedGame {
        GameReport report;
        PracticePairs missed;
        // Their places in the list in play.
        std::vector<std::int32_t> missedAt;
        std::string description;
    };
    void ShowGameFinished(const FinishedGame& game);
    void SaveMissedPairs(const FinishedGame& game);

    CGlossatilesView& view_;
    std::unique_ptr<ProgressStore> store_;
    std::unique_ptr<LearningSession> session_;
    std::unique_ptr<LearningPrompter> prompter_;
};
