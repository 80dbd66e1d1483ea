#pragma once

#include "learning/game_report.h"
#include "view/dialogs/progress_dlg.h"
#include "view/dialogs/review_settings_dlg.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// TypePairs types the missed pairs, or every pair after Today's Review; FlashcardPairs and
// ChoosePairs practise the same pairs by flashcards or by choosing.
enum class AfterGame { Close, PlayMissedPairs, TypePairs, FlashcardPairs, ChoosePairs };

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
    // Tools > Review Settings; nullopt when the player cancels.
    virtual std::optional<ReviewChoice> AskReviewSettings(QWidget* parent,
                                                          const ReviewSettingsStart& start) = 0;
};

// The real windows.
class QtLearningPrompter : public LearningPrompter {
public:
    AfterGame ShowGameFinished(QWidget* parent, const GameReport& report,
                               const std::function<void()>& saveMissedPairs) override;
    bool ShowProgress(QWidget* parent, const ListProgress& progress) override;
    QString ChooseMissedPairsFile(QWidget* parent) override;
    std::optional<ReviewChoice> AskReviewSettings(QWidget* parent,
                                                  const ReviewSettingsStart& start) override;
};
