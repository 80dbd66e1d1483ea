#pragma once

#include "app/base/prompter.h"
#include "files/media_file.h"

#include <QString>

class QWidget;

// The word-list editor's modal questions, so that tests can answer them without a window.
class EditorPrompter {
public:
    virtual ~EditorPrompter() = default;
    // A name ending in .txt, .tsv, .csv or .kvtml, or an empty text when the user cancels.
    virtual QString ChooseFileToSave(QWidget* parent) = 0;
    // Asked before an editor with unsaved changes closes.
    virtual SaveChoice AskSaveChanges(QWidget* parent) = 0;
    // Save cannot write over the list's file: `reason` says why and asks to save as a new file.
    // True to choose one.
    virtual bool AskSaveAsNewFile(QWidget* parent, const QString& reason) = 0;
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // A picture or a sound to put into a cell, or an empty text when the user cancels.
    virtual QString ChooseMediaFile(QWidget* parent, MediaKind kind) = 0;
};

class QtEditorPrompter : public EditorPrompter {
public:
    QString ChooseFileToSave(QWidget* parent) override;
    SaveChoice AskSaveChanges(QWidget* parent) override;
    bool AskSaveAsNewFile(QWidget* parent, const QString& reason) override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    QString ChooseMediaFile(QWidget* parent, MediaKind kind) override;
};
