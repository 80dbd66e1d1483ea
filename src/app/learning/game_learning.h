#pragma once

#include "app/learning/learning_prompter.h"
#include "learning/choice_options.h"
#include "learning/clock.h"
#include "learning/learning_session.h"
#include "learning/practice_pairs.h"
#include "learning/practice_round.h"
#include "learning/progress_store.h"
#include "words/word_pair.h"

#include <QObject>

#include <memory>
#include <string_view>

class GameInPlay;
struct PlayEvent;

// Learns from the game in play: records each game, shows "Game finished" when one is won,
// deals the missed or hardest pairs again, and opens the Progress window; writes the learner's
// results for a teacher, and gathers a class's.
class GameLearning : public QObject {
    Q_OBJECT
public:
    GameLearning(GameInPlay& game, std::unique_ptr<ProgressStore> store);

    void SetPrompter(std::unique_ptr<LearningPrompter> prompter);
    void SetStore(std::unique_ptr<ProgressStore> store);
    void SetClock(std::unique_ptr<Clock> clock);
    ProgressStore& Store() const { return *store_; }
    LearningPrompter& Prompter() const { return *prompter_; }
    // The player's local calendar day now.
    Day Today() const;
    // The pairs the player took for each pair in the game in play so far.
    Confusions ConfusionsInPlay() const;
    // Seconds since 1970.
    std::int64_t Now() const { return clock_->Now(); }

signals:
    // A finished game was kept (or could not be): the schedule may have changed.
    void GameRecorded();

public slots:
    void OnPlayEvent(const PlayEvent& event);
    // Tools > Progress.
    void OnProgress();
    // File > Export My Results: asks for the learner's name the first time only.
    void OnExportResults();
    // Tools > Class Results.
    void OnClassResults();
    // Keeps a round of the list in play: a game of its own kind, and a review per pair.
    void RecordRound(const PracticeRound& round);

signals:
    // "Game finished"'s Type button: the pairs at these places of the list in play.
    void TypePairsRequested(const std::vector<std::int32_t>& pairs);
    // Its Flashcards and Choose the Word buttons, on the same pairs.
    void FlashcardPairsRequested(const std::vector<std::int32_t>& pairs);
    void ChoosePairsRequested(const std::vector<std::int32_t>& pairs);
    // "Game finished"'s Home button.
    void HomeRequested();
    // Class Results' Edit as New List: these pairs in an editor of their own.
    void NewListRequested(const std::string& description, const WordPairList& pairs);

private:
    struct FinishedGame {
        GameReport report;
        PracticePairs missed;
        // Their places in the list in play.
        std::vector<std::int32_t> missedAt;
        std::string description;
        // What Type the Missed Pairs (or the Review Pairs) asks for, as places in the list.
        std::vector<std::int32_t> typedAt;
    };
    void ShowGameFinished(const FinishedGame& game);
    void SaveMissedPairs(const FinishedGame& game);
    // The name kept, or the one the learner gives now; nullopt when there is none.
    std::optional<std::string> LearnerName();
    void ExportClassTable(const ClassResults& results);
    // A page of the class's hardest pairs, laid out as a worksheet is.
    void PrintClassReport(const ClassResults& results);
    // Deals the pairs, once the player has let the game in play go.
    void DealPractice(PracticePairs pairs, const char* what, std::string_view kind);

    GameInPlay& game_;
    std::unique_ptr<ProgressStore> store_;
    std::unique_ptr<LearningSession> session_;
    std::unique_ptr<LearningPrompter> prompter_;
    std::unique_ptr<Clock> clock_ = std::make_unique<SystemClock>();
};
