#pragma once

#include "game/game_state.h"
#include "learning/learning_session.h"
#include "support/games.h"

#include <optional>

// Keeps finished games in memory; `failWith` makes every call fail with that problem.
class FakeProgressStore : public ProgressStore {
public:
    std::vector<GameResult> recorded;
    std::optional<std::string> failWith;

    bool Record(const GameResult& game) override {
        if (failWith) {
            return false;
        }
        recorded.push_back(game);
        return true;
    }
    std::optional<std::vector<GameResult>> Games(const std::string&) override {
        return failWith ? std::nullopt : std::optional(recorded);
    }
    std::optional<std::vector<PairTotal>> HardestPairs(const std::string&, int) override {
        return failWith ? std::nullopt : std::optional(std::vector<PairTotal>{});
    }
    std::optional<std::vector<ScheduledPair>> ScheduledPairs(Day, std::int64_t) override {
        return failWith ? std::nullopt : std::optional(std::vector<ScheduledPair>{});
    }
    std::optional<ReviewSummary> Summary(Day) override {
        return failWith ? std::nullopt : std::optional(ReviewSummary{});
    }
    std::optional<PracticeRecord> Practice(Day) override {
        return failWith ? std::nullopt : std::optional(PracticeRecord{});
    }
    bool MoveList(const std::string&, const std::string&) override { return !failWith; }
    std::optional<std::vector<PairMemory>> Memories(const std::vector<PairKey>& pairs,
                                                    Day) override {
        return failWith ? std::nullopt : std::optional(std::vector<PairMemory>(pairs.size()));
    }
    std::optional<std::vector<ReviewRecord>> ReviewLog() override {
        return failWith ? std::nullopt : std::optional(std::vector<ReviewRecord>{});
    }
    std::optional<std::vector<PairHistory>>
    PairHistories(const std::string&, const std::string&,
                  const std::vector<MemoryKey>& pairs) override {
        return failWith ? std::nullopt : std::optional(std::vector<PairHistory>(pairs.size()));
    }
    std::optional<SettingTexts> Settings() override {
        return failWith ? std::nullopt : std::optional(SettingTexts{});
    }
    bool SetSetting(std::string_view, const std::string&) override { return !failWith; }
    std::optional<KeptFits> Fits() override {
        return failWith ? std::nullopt : std::optional(KeptFits{});
    }
    bool KeepFit(const MemoryFit&, std::int64_t) override { return !failWith; }
    Message Problem() const override { return {"%1", {failWith.value_or("")}}; }
};

// A recording host whose play events reach a learning session as they happen.
class LearningHost : public RecordingHost {
public:
    LearningHost(const GameState& state, LearningSession& session)
        : state_(state), session_(session) {}
    int wins = 0;

    void OnPlayEvent(const PlayEvent& event) override {
        RecordingHost::OnPlayEvent(event);
        wins += session_.Hear(state_, *this, event, CurrentTime()) ? 1 : 0;
    }

private:
    const GameState& state_;
    LearningSession& session_;
};

// Three pairs, every tile on top: row 4 of level 1 holds pair 0 at columns 1 and 3, pair 1 at
// 2 and 4, pair 2 at 5; the other tile of pair 2 lies at column 1 of row 3 on level 2.
struct LearningBoard {
    FakeProgressStore store;
    LearningSession session{store};
    GameState state = MakeGame(NumberedPairs(3), {{CellIndex(1, 1, 4), 0, 0},
                                                  {CellIndex(1, 3, 4), 0, 1},
                                                  {CellIndex(1, 2, 4), 1, 0},
                                                  {CellIndex(1, 4, 4), 1, 1},
                                                  {CellIndex(1, 5, 4), 2, 0},
                                                  {CellIndex(2, 1, 3), 2, 1}});
    LearningHost host{state, session};

    LearningBoard() { host.OnPlayEvent({PlayEventKind::GameStarted}); }
    void Click(int column, int row) {
        LeftButtonDown(state, host, PixelX(column), PixelY(row));
        LeftButtonUp(state, host);
    }
    void MatchAll() {
        Click(1, 4), Click(3, 4), Click(2, 4), Click(4, 4), Click(5, 4), Click(1, 3);
    }
};
