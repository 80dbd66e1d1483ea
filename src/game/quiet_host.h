#pragma once

#include "game/game_host.h"

// A host without a window: it shows nothing and every chooser and dialog is cancelled.
// The command-line tool builds on it; benchmarks and fuzzing use it as it is.
class QuietHost : public GameHost {
public:
    explicit QuietHost(std::uint32_t seed) : seed_(seed) {}

    void ShowMessage(std::string_view) override {}
    void SetTitle(std::string_view) override {}
    void InvalidateAll() override {}
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    void DrawTile(int, int, int, int, const std::string*) override {}
    void DrawWrongMark(int, int) override {}
    void DrawWrongPanel() override {}
    void DrawHintsPanel() override {}
    void DrawRemovedTilesPanel() override {}
    void DrawHintHighlight(bool) override {}
    std::string ChooseFileToOpen() override { return {}; }
    std::string ChooseFileToSave() override { return {}; }
    std::optional<std::string> AskLevelText(std::string_view) override { return {}; }
    void ShowWordList() override {}
    std::uint32_t RandomSeed() override { return seed_; }

private:
    std::uint32_t seed_;
};
