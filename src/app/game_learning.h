#pragma once

#include "app/learning_prompter.h"
#include "learning/learning_session.h"
#include "learning/progress_store.h"
#include "words/word_pair.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string_view>

class GameHost;
class QWidget;
struct GameState;
struct PlayEvent;

// Deals `pairs` alone, as `what` of the list in play (say "Missed pairs").
using PracticeDealer = std::function<void(WordPairList pairs, std::string_view what)>;

// Learns from the game in play: records each game, shows "Game finished" when one is won,
// deals the missed or hardest pairs again, and opens the Progress window. Its windows open over
// `window`; it tells the player through `host`.
class GameLearning : public QObject {
    Q_OBJECT
public:
    GameLearning(QWidget& window, const GameState& state, GameHost& host,
                 PracticeDealer dealPractice, std::unique_ptr<ProgressStore> store);

    void SetPrompter(std::unique_ptr<LearningPrompter> prompter);
    void SetStore(std::unique_ptr<ProgressStore> store);

public slots:
    void OnPlayEvent(const PlayEvent& event);
    // Tools > Progress.
    void OnProgress();

private:
    struct FinishedGame {
        GameReport report;
        WordPairList missed;
        std::string description;
    };
    void ShowGameFinished(const FinishedGame& game);
    void SaveMissedPairs(const FinishedGame& game);

    QWidget& window_;
    const GameState& state_;
    GameHost& host_;
    PracticeDealer dealPractice_;
    std::unique_ptr<ProgressStore> store_;
    std::unique_ptr<LearningSession> session_;
    std::unique_ptr<LearningPrompter> prompter_;
};
