#pragma once

#include "learning/class_results.h"
#include "learning/game_report.h"
#include "view/dialogs/progress_dlg.h"
#include "view/dialogs/review_settings_dlg.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// TypePairs types the missed pairs, or every pair after Today's Review; FlashcardPairs and
// ChoosePairs practise the same pairs by flashcards or by choosing; Home shows the home page.
enum class AfterGame { Close, PlayMissedPairs, TypePairs, FlashcardPairs, ChoosePairs, Home };

// What the teacher does with the class's hardest pairs, once the class's results close.
enum class ClassChoice { Close, DealHardest, EditHardest };

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

    // The learner's name for the results files; nullopt when the user cancels.
    virtual std::optional<QString> AskLearnerName(QWidget* parent) = 0;
    // Where a results file or the class's table goes; an empty text when the user cancels.
    virtual QString ChooseResultsFile(QWidget* parent) = 0;
    virtual QString ChooseCsvFile(QWidget* parent) = 0;
    // The learners' results files, or folders of them; none when the user cancels.
    virtual QStringList ChooseClassFiles(QWidget* parent) = 0;
    // What the teacher chose to do with the class's hardest pairs; `exportCsv` and `print` run
    // for each click on Export CSV and Print.
    virtual ClassChoice ShowClassResults(QWidget* parent, const ClassResults& results,
                                         const std::function<void()>& exportCsv,
                                         const std::function<void()>& print) = 0;
    // Shows what `print` lays out on `printer` before it is printed.
    virtual void PreviewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter&)>& print) = 0;
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
    std::optional<QString> AskLearnerName(QWidget* parent) override;
    QString ChooseResultsFile(QWidget* parent) override;
    QString ChooseCsvFile(QWidget* parent) override;
    QStringList ChooseClassFiles(QWidget* parent) override;
    ClassChoice ShowClassResults(QWidget* parent, const ClassResults& results,
                                 const std::function<void()>& exportCsv,
                                 const std::function<void()>& print) override;
    void PreviewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& print) override;
};
