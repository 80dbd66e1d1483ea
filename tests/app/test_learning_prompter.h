#pragma once

#include "app/learning/learning_prompter.h"

#include <deque>

// Answers the learning windows from queues and keeps what each was shown.
class TestLearningPrompter : public LearningPrompter {
public:
    std::vector<GameReport> reports;
    std::vector<ListProgress> progress;
    // Each "Game finished" first saves to the next of these, when there is one, then answers.
    std::deque<QString> saveTo;
    std::deque<AfterGame> afterGame;
    std::deque<bool> playHardest;

    AfterGame ShowGameFinished(QWidget*, const GameReport& report,
                               const std::function<void()>& saveMissedPairs) override {
        reports.push_back(report);
        if (!saveTo.empty()) {
            saveMissedPairs();
        }
        return Next(afterGame, AfterGame::Close);
    }
    bool ShowProgress(QWidget*, const ListProgress& shown) override {
        progress.push_back(shown);
        return Next(playHardest, false);
    }
    QString ChooseMissedPairsFile(QWidget*) override { return Next(saveTo, QString()); }

private:
    template <class Answer> static Answer Next(std::deque<Answer>& queue, Answer otherwise) {
        if (queue.empty()) {
            return otherwise;
        }
        Answer answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
