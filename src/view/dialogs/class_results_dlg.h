#pragma once

#include "learning/class_results.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTableView;

// The class's results: a table per pair, hardest first, and a table per learner, both sorted
// by a click on a column's header; a note names the files set aside. Deal the Class's Hardest
// Pairs closes it with Accepted, Edit as New List with EditHardest; Export CSV and Print run
// `exportCsv` and `print` and leave it open.
class ClassResultsDlg : public QDialog {
    Q_OBJECT
public:
    ClassResultsDlg(const ClassResults& results, const std::function<void()>& exportCsv,
                    const std::function<void()>& print, QWidget* parent = nullptr);

    QTableView* Pairs() const { return pairs_; }
    QTableView* Learners() const { return learners_; }
    QLabel* Note() const { return note_; }
    static constexpr int EditHardest = 2;

    QPushButton* DealButton() const { return deal_; }
    QPushButton* EditButton() const { return edit_; }

    // The column headings, as the tables and an exported file show them.
    static QStringList PairHeadings();
    static QStringList LearnerHeadings();

private:
    QTableView* pairs_;
    QTableView* learners_;
    QLabel* note_;
    QPushButton* deal_;
    QPushButton* edit_;
};
