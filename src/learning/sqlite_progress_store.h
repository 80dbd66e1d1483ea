#pragma once

#include "learning/pair_history.h"
#include "learning/progress_migrations.h"
#include "learning/progress_store.h"

#include <chrono>
#include <string>

struct sqlite3;

// The progress database, one SQLite file. Each call opens it, does its work in one
// transaction and closes it again, so a file that is locked now may be usable later and the
// game never holds it open.
class SqliteProgressStore : public ProgressStore {
public:
    static constexpr int SchemaVersion = ProgressSchemaVersion;
    // Long enough to outlast another window's or a database browser's short write.
    static constexpr std::chrono::milliseconds DefaultLockWait{5000};

    explicit SqliteProgressStore(std::string path,
                                 std::chrono::milliseconds lockWait = DefaultLockWait)
        : path_(std::move(path)), lockWait_(lockWait) {}

    bool Record(const GameResult& game) override;
    std::optional<std::vector<GameResult>> Games(const std::string& fingerprint) override;
    std::optional<std::vector<PairTotal>> HardestPairs(const std::string& fingerprint,
                                                       int limit) override;
    std::optional<std::vector<ScheduledPair>> ScheduledPairs(Day dueBy,
                                                             std::int64_t limit) override;
    std::optional<ReviewSummary> Summary(Day today) override;
    std::optional<PracticeRecord> Practice(Day today) override;
    bool MoveList(const std::string& from, const std::string& to) override;
    std::optional<std::vector<PairMemory>> Memories(const std::vector<PairKey>& pairs,
                                                    Day day) override;
    // What a results file tells of a list's pairs; see ReadPairHistories.
    std::optional<std::vector<PairHistory>>
    PairHistories(const std::string& fingerprint, const std::string& description,
                  const std::vector<MemoryKey>& pairs) override;
    std::optional<std::vector<ReviewRecord>> ReviewLog() override;
    std::optional<SettingTexts> Settings() override;
    bool SetSetting(std::string_view key, const std::string& text) override;
    std::optional<KeptFits> Fits() override;
    bool KeepFit(const MemoryFit& fit, std::int64_t fittedAt) override;
    Message Problem() const override { return problem_; }
    std::unique_ptr<ProgressStore> Another() const override {
        return std::make_unique<SqliteProgressStore>(path_, lockWait_);
    }
    const std::string& Path() const { return path_; }

private:
    // Opens for writing, creating the folder and the file, and brings the schema up to date
    // inside the write transaction it leaves open.
    sqlite3* OpenForWriting();
    // Opens an existing file, bringing an older schema up to date first. Null with
    // `missing` set when there is no file yet, which is not a fault.
    sqlite3* OpenForReading(bool& missing);
    bool Fail(sqlite3* db, Message what);
    // Runs `read` on the file opened for reading: nullopt when it failed, an empty Result when
    // there is no file yet.
    template <typename Result, typename Read> std::optional<Result> ReadWith(Read read);

    std::string path_;
    std::chrono::milliseconds lockWait_;
    Message problem_;
};

// $XDG_DATA_HOME/glossatiles/progress.sqlite, or under ~/.local/share when it is unset.
// Empty when neither that nor HOME is set: progress is not kept then.
std::string DefaultProgressPath();
