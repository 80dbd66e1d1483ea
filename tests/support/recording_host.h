#pragma once

#include "game/game_host.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A host that records what the rules asked of the window and answers choosers and dialogs
// from queues the test fills.
class RecordingHost : public GameHost {
public:
    struct TileDraw {
        int state;
        int column;
        int row;
        int level;
        std::optional<std::string> text;
        bool operator==(const TileDraw&) const = default;
    };

    std::vector<std::string> messages;
    std::vector<std::string> titles;
    int invalidations = 0;
    std::map<int, int> runningTimers; // id -> milliseconds
    std::vector<TileDraw> tiles;
    std::vector<std::pair<int, int>> wrongMarks;
    int wrongPanelDraws = 0;
    int hintsPanelDraws = 0;
    int removedPanelDraws = 0;
    std::vector<bool> hintHighlights;
    int wordListShown = 0;
    std::vector<std::string> statusNotes;
    std::map<NoteTopic, std::string> notes; // the notes up now
    std::vector<std::string> noteLog;       // every note shown; "" for one withdrawn
    std::vector<PlayEvent> events;

    std::deque<std::string> filesToOpen;
    std::deque<std::string> filesToSave;
    std::deque<std::optional<std::string>> levelTexts;
    std::vector<std::string> levelPrompts;
    std::uint32_t seed = 12345;
    std::time_t now = 1202043900; // 2008-02-03 13:05 UTC

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void SetTitle(std::string_view title) override { titles.emplace_back(title); }
    void InvalidateAll() override { ++invalidations; }
    void SetTimer(int id, int milliseconds) override { runningTimers[id] = milliseconds; }
    void KillTimer(int id) override { runningTimers.erase(id); }
    void DrawTile(int state, int column, int row, int level, const std::string* text) override {
        tiles.push_back(
            {state, column, row, level, text ? std::optional<std::string>(*text) : std::nullopt});
    }
    void DrawWrongMark(int column, int row) override { wrongMarks.emplace_back(column, row); }
    void DrawWrongPanel() override { ++wrongPanelDraws; }
    void DrawHintsPanel() override { ++hintsPanelDraws; }
    void DrawRemovedTilesPanel() override { ++removedPanelDraws; }
    void DrawHintHighlight(bool considerSelection) override {
        hintHighlights.push_back(considerSelection);
    }
    std::string ChooseFileToOpen() override { return Next(filesToOpen); }
    std::string ChooseFileToSave() override { return Next(filesToSave); }
    std::optional<std::string> AskLevelText(std::string_view current) override {
        levelPrompts.emplace_back(current);
        return Next(levelTexts);
    }
    void ShowWordList() override { ++wordListShown; }
    void ShowStatus(std::string_view text) override { statusNotes.emplace_back(text); }
    void ShowNote(NoteTopic topic, std::string_view text) override {
        notes[topic] = text;
        noteLog.emplace_back(text);
    }
    void WithdrawNote(NoteTopic topic) override {
        if (notes.erase(topic) != 0) {
            noteLog.emplace_back();
        }
    }
    void OnPlayEvent(const PlayEvent& event) override { events.push_back(event); }
    std::uint32_t RandomSeed() override { return seed; }
    std::time_t CurrentTime() override { return now; }

    bool TimerRunning(int id) const { return runningTimers.count(id) != 0; }

private:
    // The queue's next answer; a default one (cancel) once it is empty.
    template <class Answer> static Answer Next(std::deque<Answer>& queue) {
        if (queue.empty()) {
            return {};
        }
        Answer answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
