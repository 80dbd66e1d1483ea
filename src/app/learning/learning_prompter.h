#pragma once

#include "learning/game_report.h"
#include "view/dialogs/progress_dlg.h"

#include <QString>

#include <functional>

class QWidget;

// TypePairs types the missed pairs, or every pair after Today's Review.
enum class AfterGame { Close, PlayMissedPairs, TypePairs, Home };

// The learning windows, asked for here so that tests can answer without them.
class LearningPrompter {
public:
    virtual ~LearningPrompter() = default;

    // "Game finished"; `saveMissedPairs` runs for each click on Save Missed Pairs….
    virtual AfterGame ShowGameFinished(QWidget* parent, const GameReport& report,
                                       const std::function<void()>& saveMissedPairs) = 0;
    // True when the player chose Play Hardest Pairs.
    virtual bool ShowProgress(QWidget* parent, const ListProgress& progress) = 0;
    // Where the missed pairs go, or an empty text when the user cancels.
    virtual QString ChooseMissedPairsFile(QWidget* parent) = 0;
};

// The real windows.
class QtLearningPrompter : public LearningPrompter {
public:
    AfterGame ShowGameFinished(QWidget* parent, const GameReport& report,
                               const std::function<void()>& saveMissedPairs) override;
    bool ShowProgress(QWidget* parent, const ListProgress& progress) override;
    QString ChooseMissedPairsFile(QWidget* parent) override;
};
