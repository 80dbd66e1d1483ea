#pragma once

#include "learning/progress_store.h"

#include <string>

struct sqlite3;

// The progress database, one SQLite file. Each call opens it, does its work in one
// transaction and closes it again, so a file that is locked now may be usable later and the
// game never holds it open.
class SqliteProgressStore : public ProgressStore {
public:
    // The schema version this program writes; a file with a higher one is left alone.
    static constexpr int SchemaVersion = 1;

    explicit SqliteProgressStore(std::string path) : path_(std::move(path)) {}

    bool Record(const GameResult& game) override;
    std::optional<std::vector<GameResult>> Games(const std::string& fingerprint) override;
    std::optional<std::vector<PairTotal>> HardestPairs(const std::string& fingerprint,
                                                       int limit) override;
    std::string Problem() const override { return problem_; }
    const std::string& Path() const { return path_; }

private:
    // Opens for writing, creating the folder and the file, and brings the schema up to date.
    sqlite3* OpenForWriting();
    // Opens an existing file whose schema this program knows.
    sqlite3* OpenForReading();
    bool Fail(sqlite3* db, const std::string& what);

    std::string path_;
    std::string problem_;
};

// $XDG_DATA_HOME/glossatiles/progress.sqlite, or under ~/.local/share when it is unset.
// Empty when neither that nor HOME is set.
std::string DefaultProgressPath();
