#pragma once

#include "app/learning/learning_prompter.h"
#include "modal_answer.h"
#include "view/dialogs/class_results_dlg.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QPrinter>
#include <QTableView>

// A table's rows as its view shows them, in the view's order.
inline std::vector<QStringList> TableRows(const QTableView& table) {
    const QAbstractItemModel& model = *table.model();
    std::vector<QStringList> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells.append(model.index(row, column).data().toString());
        }
        rows.push_back(cells);
    }
    return rows;
}

// What a Class Results window showed: its note and its two tables.
struct ClassResultsShown {
    QString note;
    std::vector<QStringList> pairs;
    std::vector<QStringList> learners;
};

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

    // Names given when asked (a null text cancels), and how many times it was asked.
    std::deque<QString> names;
    int namesAsked = 0;
    std::deque<QString> resultsFiles;
    std::deque<QString> csvFiles;
    std::deque<QStringList> classFiles;
    std::vector<ClassResultsShown> classResults;
    // Each Class Results window clicks Export CSV once when this is set, and Print when there
    // is a PDF to print to, then answers.
    bool exportCsv = false;
    QString printToPdf;
    std::deque<ClassChoice> classChoices;

    std::optional<QString> AskLearnerName(QWidget*) override {
        ++namesAsked;
        const QString name = NextAnswer(names, QString());
        return name.isNull() ? std::nullopt : std::optional(name);
    }
    QString ChooseResultsFile(QWidget*) override { return NextAnswer(resultsFiles, QString()); }
    QString ChooseCsvFile(QWidget*) override { return NextAnswer(csvFiles, QString()); }
    QStringList ChooseClassFiles(QWidget*) override {
        return NextAnswer(classFiles, QStringList());
    }
    ClassChoice ShowClassResults(QWidget*, const ClassResults& results,
                                 const std::function<void()>& exportTable,
                                 const std::function<void()>& print) override {
        const ClassResultsDlg dialog(results, exportTable, print);
        classResults.push_back(
            {dialog.Note()->text(), TableRows(*dialog.Pairs()), TableRows(*dialog.Learners())});
        if (exportCsv) {
            exportTable();
        }
        if (!printToPdf.isEmpty()) {
            print();
        }
        return NextAnswer(classChoices, ClassChoice::Close);
    }
    void PreviewPrint(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter&)>& print) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        print(printer);
    }
};
