#pragma once

#include "game/game_host.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>

// Runs the rules without a window: messages go to standard error, one line each; there is
// nothing to draw and no one to ask.
class ConsoleHost : public GameHost {
public:
    ConsoleHost(std::FILE* errors, std::optional<std::uint32_t> seed);

    void ShowMessage(std::string_view text) override;
    void SetTitle(std::string_view) override {}
    void InvalidateAll() override {}
    void SetTimer(int id, int milliseconds) override { timers_[id] = milliseconds; }
    void KillTimer(int id) override { timers_.erase(id); }
    void DrawTile(int, int, int, int, const std::string*) override {}
    void DrawWrongMark(int, int) override {}
    void DrawWrongPanel() override {}
    void DrawHintsPanel() override {}
    void DrawRemovedTilesPanel() override {}
    void DrawHintHighlight(bool) override {}
    std::string ChooseFileToOpen() override { return {}; }
    std::string ChooseFileToSave() override { return {}; }
    std::optional<std::string> AskLevelText(std::string_view) override { return std::nullopt; }
    void ShowWordList() override {}
    std::uint32_t RandomSeed() override;

    bool TimerRunning(int id) const { return timers_.count(id) != 0; }

private:
    std::FILE* errors_;
    std::optional<std::uint32_t> seed_;
    std::map<int, int> timers_;
};
