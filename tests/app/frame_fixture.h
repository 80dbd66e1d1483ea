#pragma once

#include "app/glossatiles_view.h"
#include "app/main_frame.h"
#include "support/temp_dir.h"
#include "test_prompter.h"

#include <QSettings>
#include <gtest/gtest.h>

#include <memory>

// A main window whose modal questions are answered by a TestPrompter, with an empty
// recent-file list and a folder for the test's files.
class FrameTest : public ::testing::Test {
protected:
    FrameTest() {
        QSettings().clear();
        frame = std::make_unique<CMainFrame>();
        auto owned = std::make_unique<TestPrompter>();
        prompter = owned.get();
        frame->View().SetPrompter(std::move(owned));
    }

    CGlossatilesView& View() { return frame->View(); }
    const GameState& State() { return frame->View().State(); }

    // A word-pair file with the description "Test list" and `pairs` pairs word<n>/mot<n>.
    QString WordList(const char* name, int pairs) const {
        std::string text = "Test list\n";
        for (int i = 0; i < pairs; ++i) {
            text += "word" + std::to_string(i) + "\nmot" + std::to_string(i) + "\n";
        }
        return QString::fromStdString(files.Write(name, text));
    }

    TempDir files;
    std::unique_ptr<CMainFrame> frame;
    TestPrompter* prompter = nullptr;
};
