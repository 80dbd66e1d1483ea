#pragma once

#include "app/base/prompter.h"
#include "modal_answer.h"
#include "view/dialogs/word_list_dlg.h"

#include <QPrinter>
#include <QStringList>
#include <QTreeWidget>

#include <deque>

// The rows a Word List dialog shows, each its two cells.
inline std::vector<QStringList> Rows(const CWordListDlg& dialog) {
    std::vector<QStringList> rows;
    for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = dialog.List()->topLevelItem(i);
        QStringList row;
        for (int column = 0; column < item->columnCount(); ++column) {
            row.append(item->text(column));
        }
        rows.push_back(row);
    }
    return rows;
}

// Answers the view's modal questions from queues and records what it was asked, in order:
// "message", "open", "save", "export", "level <current text>", "words", "import", "save game?",
// "print", "preview" or "setup".
class TestPrompter : public Prompter {
public:
    QStringList asked;
    QStringList messages;
    std::deque<QString> filesToOpen;
    std::deque<QString> filesToSave;
    std::deque<QString> filesToExport;
    std::deque<QString> levelTexts; // a null text cancels the Draw Level dialog
    // The rows of each Word List dialog made.
    std::vector<std::vector<QStringList>> wordListsShown;
    // Answers to the import preview; it is cancelled once they run out. Each preview it was
    // shown, as the choice it started from reads the file.
    std::deque<ImportChoice> importChoices;
    std::vector<ImportPreview> importPreviews;
    // Answers to "Save the game in progress?"; Cancel once they run out.
    std::deque<SaveChoice> saveChoices;
    // Where a confirmed print goes; empty: the print dialog is cancelled.
    QString printToPdf;

    void ShowMessage(QWidget*, const QString& text) override {
        asked.append("message");
        messages.append(text);
    }
    QString ChooseFileToOpen(QWidget*) override { return Next("open", filesToOpen); }
    QString ChooseFileToSave(QWidget*) override { return Next("save", filesToSave); }
    QString ChooseFileToExport(QWidget*) override { return Next("export", filesToExport); }
    std::optional<QString> AskLevelText(QWidget*, const QString& current) override {
        const QString text = Next("level " + current, levelTexts);
        return text.isNull() ? std::nullopt : std::optional(text);
    }
    void ShowWordList(QWidget*, const WordPairList& list, std::string_view listPath,
                      const MediaFinder& pictures) override {
        asked.append("words");
        wordListsShown.push_back(Rows(CWordListDlg(list, listPath, pictures)));
    }
    std::optional<ImportChoice> AskImportChoice(QWidget*, const QString&,
                                                const ImportPreviewer& preview,
                                                const ImportChoice& start) override {
        asked.append("import");
        importPreviews.push_back(preview(start));
        if (importChoices.empty()) {
            return std::nullopt;
        }
        return NextAnswer(importChoices, ImportChoice{});
    }
    SaveChoice AskSaveGameInProgress(QWidget*) override {
        asked.append("save game?");
        return NextAnswer(saveChoices, SaveChoice::Cancel);
    }
    bool AskPrintSettings(QWidget*, QPrinter& printer) override {
        asked.append("print");
        return Print(printer);
    }
    void AskPageSetup(QWidget*, QPrinter&) override { asked.append("setup"); }
    void PreviewPrint(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter&)>& print) override {
        asked.append("preview");
        if (Print(printer)) {
            print(printer);
        }
    }

private:
    QString Next(const QString& question, std::deque<QString>& answers) {
        asked.append(question);
        return NextAnswer(answers, QString());
    }
    bool Print(QPrinter& printer) const {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        return !printToPdf.isEmpty();
    }
};
