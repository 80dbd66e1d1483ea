#pragma once

#include "app/prompter.h"

#include <QPrinter>
#include <QStringList>

#include <deque>

// Answers the view's modal questions from queues and records what it was asked to show.
class TestPrompter : public Prompter {
public:
    QStringList messages;
    std::deque<QString> filesToOpen;
    std::deque<QString> filesToSave;
    // A null text cancels the Draw Level dialog.
    std::deque<QString> levelTexts;
    QStringList levelPrompts;
    std::vector<std::vector<QString>> wordListsShown;
    // Where a confirmed print goes; empty: the print dialog is cancelled.
    QString printToPdf;
    int pageSetups = 0;

    void ShowMessage(QWidget*, const QString& text) override { messages.append(text); }
    QString ChooseFileToOpen(QWidget*) override { return Next(filesToOpen); }
    QString ChooseFileToSave(QWidget*) override { return Next(filesToSave); }
    std::optional<QString> AskLevelText(QWidget*, const QString& current) override {
        levelPrompts.append(current);
        const QString text = Next(levelTexts);
        if (text.isNull()) {
            return std::nullopt;
        }
        return text;
    }
    void ShowWordList(QWidget*, const WordPairList& list) override {
        std::vector<QString> firstWords;
        for (const WordPair& pair : list) {
            firstWords.push_back(QString::fromStdString(pair.TextA.value_or("")));
        }
        wordListsShown.push_back(firstWords);
    }
    bool AskPrintSettings(QWidget*, QPrinter& printer) override {
        if (printToPdf.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        return true;
    }
    void AskPageSetup(QWidget*, QPrinter&) override { ++pageSetups; }
    void PreviewPrint(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter&)>& print) override {
        if (AskPrintSettings(nullptr, printer)) {
            print(printer);
        }
    }

private:
    static QString Next(std::deque<QString>& queue) {
        if (queue.empty()) {
            return QString();
        }
        QString path = queue.front();
        queue.pop_front();
        return path;
    }
};
