#pragma once

#include "learning/practice_overview.h"

#include <QStringList>
#include <QWidget>

class ListTableModel;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QVBoxLayout;
class YearCalendar;

// Where the learner starts: what is due today, the daily goal and the streaks, every list
// played and how it stands, the bundled examples, and a year of practice.
class HomePage : public QWidget {
    Q_OBJECT
public:
    explicit HomePage(QWidget* parent = nullptr);

    // `examples` are the example lists' paths; `gameInPlay` offers the way back to it.
    void Show(const PracticeOverview& overview, const QStringList& examples, bool gameInPlay);
    // The store could not be read: the page says why and offers the examples alone.
    void ShowProblem(const QString& problem, const QStringList& examples, bool gameInPlay);

    // What a screen reader is told when the page opens.
    QString TodayText() const;
    QLabel* TodayLine() const { return today_; }
    QPushButton* StartReviewButton() const { return startReview_; }
    QPushButton* BackButton() const { return back_; }
    QCheckBox* RemindAtLoginBox() const { return remindAtLogin_; }
    // Shows whether the reminder is on, without asking for a change.
    void SetRemindAtLogin(bool on);
    QTableView* Lists() const { return lists_; }
    const ListTableModel& ListModel() const { return *model_; }
    QWidget* Examples() const { return examples_; }
    YearCalendar* Calendar() const { return calendar_; }

signals:
    void StartReviewRequested();
    void OpenRequested(const ListStanding& list);
    void ReviewRequested(const ListStanding& list);
    void TypeRequested(const ListStanding& list);
    void EditRequested(const ListStanding& list);
    void LocateRequested(const ListStanding& list);
    void ExampleRequested(const QString& path);
    void NewListRequested();
    void ImportRequested();
    void BackRequested();
    void RemindAtLoginToggled(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowExamples(const QStringList& examples);
    void UpdateListButtons();
    // The list of the current row, or null.
    const ListStanding* CurrentList() const;

    QLabel* today_;
    QPushButton* startReview_;
    QProgressBar* goal_;
    QLabel* streaks_;
    QCheckBox* remindAtLogin_;
    QTableView* lists_;
    ListTableModel* model_;
    QPushButton* review_;
    QPushButton* type_;
    QPushButton* edit_;
    QPushButton* locate_;
    QWidget* examples_;
    QVBoxLayout* exampleButtons_;
    QPushButton* newList_ = nullptr;
    YearCalendar* calendar_;
    QPushButton* back_;
};
