#pragma once

#include "app/learning/learning_prompter.h"
#include "modal_answer.h"

// Answers the learning windows from queues and keeps what each was shown.
class TestLearningPrompter : public LearningPrompter {
public:
    std::vector<GameReport> reports;
    std::vector<ListProgress> progress;
    // Each "Game finished" first saves to the next of these, when there is one, then answers.
    std::deque<QString> saveTo;
    std::deque<AfterGame> afterGame;
    std::deque<bool> playHardest;
    std::vector<ReviewSettingsStart> reviewSettings;
    std::deque<std::optional<ReviewChoice>> reviewChoices;

    AfterGame ShowGameFinished(QWidget*, const GameReport& report,
                               const std::function<void()>& saveMissedPairs) override {
        reports.push_back(report);
        if (!saveTo.empty()) {
            saveMissedPairs();
        }
        return NextAnswer(afterGame, AfterGame::Close);
    }
    bool ShowProgress(QWidget*, const ListProgress& shown) override {
        progress.push_back(shown);
        return NextAnswer(playHardest, false);
    }
    QString ChooseMissedPairsFile(QWidget*) override { return NextAnswer(saveTo, QString()); }
    std::optional<ReviewChoice> AskReviewSettings(QWidget*,
                                                  const ReviewSettingsStart& start) override {
        reviewSettings.push_back(start);
        return NextAnswer(reviewChoices, std::optional<ReviewChoice>());
    }
};
