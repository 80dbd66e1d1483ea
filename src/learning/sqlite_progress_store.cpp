#include "learning/sqlite_progress_store.h"

#include "learning/kept_settings.h"
#include "learning/memory_key.h"
#include "learning/progress_queries.h"
#include "learning/review_writer.h"
#include "learning/sqlite_handles.h"
#include "learning/stored_review_log.h"
#include "words/data_folder.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace {

const char* const NoPathProblem =
    GT_TEXT("Message", "there is no folder for it (neither XDG_DATA_HOME nor HOME is set)");

std::optional<int> UserVersion(sqlite3* db) {
    const Statement statement = Prepare(db, "PRAGMA user_version");
    if (!statement || sqlite3_step(statement.get()) != SQLITE_ROW) {
        return std::nullopt;
    }
    return sqlite3_column_int(statement.get(), 0);
}

bool InsertGame(sqlite3* db, const GameResult& game) {
    const Statement insert =
        Prepare(db, "INSERT INTO games (list_path, fingerprint, finished_at, seconds, pairs, "
                    "correct, wrong, hints, peeks, assisted, undos, kind) "
                    "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
    if (!insert) {
        return false;
    }
    Bind(insert.get(), 1, game.listPath);
    Bind(insert.get(), 2, game.fingerprint);
    const std::array<std::int64_t, 9> numbers{
        game.finishedAt, game.seconds,          game.pairs, game.correct, game.wrong, game.hints,
        game.peeks,      game.assisted ? 1 : 0, game.undos};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        sqlite3_bind_int64(insert.get(), static_cast<int>(i) + 3, numbers[i]);
    }
    Bind(insert.get(), 12, game.kind);
    return sqlite3_step(insert.get()) == SQLITE_DONE;
}

// The schedule names each pair's list by the description it had when last played.
bool KeepListName(sqlite3* db, const GameResult& game) {
    if (game.fingerprint == ReviewFingerprint) {
        return true;
    }
    const Statement upsert =
        Prepare(db, "INSERT INTO lists (fingerprint, description, list_path) VALUES (?1, ?2, ?3) "
                    "ON CONFLICT (fingerprint) DO UPDATE SET description = ?2, list_path = ?3");
    if (!upsert) {
        return false;
    }
    Bind(upsert.get(), 1, game.fingerprint);
    Bind(upsert.get(), 2, game.listDescription);
    Bind(upsert.get(), 3, game.listPath);
    return sqlite3_step(upsert.get()) == SQLITE_DONE;
}

bool AddPairTotals(sqlite3* db, const GameResult& game) {
    const Statement upsert = Prepare(
        db, "INSERT INTO pair_totals (fingerprint, text_a, text_b, seen, missed, hinted, peeked, "
            "last_missed, key_a, key_b) VALUES (?1, ?2, ?3, 1, ?4, ?5, ?6, "
            "CASE WHEN ?4 > 0 THEN ?7 END, ?8, ?9) "
            "ON CONFLICT (fingerprint, text_a, text_b) DO UPDATE SET seen = seen + 1, "
            "missed = missed + ?4, hinted = hinted + ?5, peeked = peeked + ?6, "
            "last_missed = CASE WHEN ?4 > 0 THEN ?7 ELSE last_missed END");
    if (!upsert) {
        return false;
    }
    for (const PairOutcome& outcome : game.outcomes) {
        const PairKey& key = outcome.key;
        const MemoryKey memory = MemoryKeyOf(key.textA, key.textB);
        sqlite3_reset(upsert.get());
        Bind(upsert.get(), 1, key.fingerprint);
        Bind(upsert.get(), 2, key.textA);
        Bind(upsert.get(), 3, key.textB);
        sqlite3_bind_int64(upsert.get(), 4, outcome.missed);
        sqlite3_bind_int64(upsert.get(), 5, outcome.hinted);
        sqlite3_bind_int64(upsert.get(), 6, outcome.peeked);
        sqlite3_bind_int64(upsert.get(), 7, game.finishedAt);
        Bind(upsert.get(), 8, memory.textA);
        Bind(upsert.get(), 9, memory.textB);
        if (sqlite3_step(upsert.get()) != SQLITE_DONE) {
            return false;
        }
    }
    return true;
}

ReviewSource SourceOf(const GameResult& game) {
    const std::pair<const char*, ReviewSource> rounds[] = {
        {GameKind::Typing, ReviewSource::Typing},
        {GameKind::Flashcards, ReviewSource::Flashcards},
        {GameKind::Choice, ReviewSource::Choice}};
    for (const auto& [kind, source] : rounds) {
        if (game.kind == kind) {
            return source;
        }
    }
    return ReviewSource::Board;
}

bool AddReviews(sqlite3* db, const GameResult& game) {
    ReviewSettings settings;
    if (!ReadReviewSettings(db, settings)) {
        return false;
    }
    ReviewWriter writer(db, settings);
    const Day day = LocalDay(static_cast<std::time_t>(game.finishedAt));
    const ReviewSource source = SourceOf(game);
    for (const PairOutcome& outcome : game.outcomes) {
        for (const std::optional<Grade>& grade : {outcome.grade, outcome.retryGrade}) {
            if (grade && !writer.Add(outcome.key, day, *grade, source)) {
                return false;
            }
        }
    }
    return true;
}

// Every schedule replayed from the review log with the settings kept now.
bool Reschedule(sqlite3* db) {
    ReviewSettings settings;
    std::vector<StoredReview> log;
    return ReadReviewSettings(db, settings) && ReadStoredReviews(db, log) &&
           RewriteSchedules(db, log, settings);
}

} // namespace

bool SqliteProgressStore::Fail(sqlite3* db, Message what) {
    // SQLite's own reason has no translation; it follows the translated one.
    problem_ = db ? NestedMessage(GT_TEXT("Message", "%1: %2"), {},
                                  {std::move(what), {"%1", {sqlite3_errmsg(db)}}})
                  : std::move(what);
    return false;
}

sqlite3* SqliteProgressStore::OpenForWriting() {
    if (path_.empty()) {
        Fail(nullptr, NoPathProblem);
        return nullptr;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK) {
        Fail(db.get(), {GT_TEXT("Message", "cannot open %1"), {path_}});
        return nullptr;
    }
    if (sqlite3_db_readonly(db.get(), "main") == 1) {
        Fail(nullptr, {GT_TEXT("Message", "%1 is read-only"), {path_}});
        return nullptr;
    }
    sqlite3_busy_timeout(db.get(), static_cast<int>(lockWait_.count()));
    // The write lock first: no other program changes the schema while we look at it.
    if (!Execute(db.get(), "BEGIN IMMEDIATE")) {
        Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
        return nullptr;
    }
    const std::optional<int> version = UserVersion(db.get());
    if (!version) {
        Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
        return nullptr;
    }
    if (*version > SchemaVersion) {
        Fail(nullptr, {GT_TEXT("Message", "%1 comes from a newer Glossatiles (schema version %2)"),
                       {path_, std::to_string(*version)}});
        return nullptr;
    }
    if (!MigrateProgress(db.get(), *version)) {
        Fail(db.get(), {GT_TEXT("Message", "cannot update %1"), {path_}});
        return nullptr;
    }
    return db.release();
}

sqlite3* SqliteProgressStore::OpenForReading(bool& missing) {
    missing = false;
    if (path_.empty()) {
        Fail(nullptr, NoPathProblem);
        return nullptr;
    }
    if (std::error_code error; !std::filesystem::exists(path_, error)) {
        missing = true;
        return nullptr;
    }
    // A file an older program wrote is brought up to date once, then read.
    for (bool upgraded = false;; upgraded = true) {
        sqlite3* raw = nullptr;
        const int opened = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
        Database db(raw);
        if (opened != SQLITE_OK) {
            Fail(db.get(), {GT_TEXT("Message", "cannot open %1"), {path_}});
            return nullptr;
        }
        sqlite3_busy_timeout(db.get(), static_cast<int>(lockWait_.count()));
        const std::optional<int> version = UserVersion(db.get());
        if (!version) {
            Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
            return nullptr;
        }
        if (*version == SchemaVersion) {
            return db.release();
        }
        if (*version > SchemaVersion || upgraded) {
            Fail(nullptr,
                 {GT_TEXT("Message", "%1 has schema version %2, this program reads version %3"),
                  {path_, std::to_string(*version), std::to_string(SchemaVersion)}});
            return nullptr;
        }
        db.reset();
        const Database writer(OpenForWriting());
        if (!writer || !Execute(writer.get(), "COMMIT")) {
            return nullptr;
        }
    }
}

template <typename Result, typename Read>
std::optional<Result> SqliteProgressStore::ReadWith(Read read) {
    bool missing = false;
    const Database db(OpenForReading(missing));
    if (!db) {
        // Nothing kept yet is not a fault.
        return missing ? std::optional(Result()) : std::nullopt;
    }
    Result result;
    if (!read(db.get(), result)) {
        Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
        return std::nullopt;
    }
    return result;
}

bool SqliteProgressStore::Record(const GameResult& game) {
    const Database db(OpenForWriting());
    if (!db) {
        return false;
    }
    if (!InsertGame(db.get(), game) || !KeepListName(db.get(), game) ||
        !AddPairTotals(db.get(), game) || !AddReviews(db.get(), game) ||
        !Execute(db.get(), "COMMIT")) {
        // Closing without COMMIT rolls back: no half-written game.
        return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
    }
    return true;
}

std::optional<std::vector<GameResult>> SqliteProgressStore::Games(const std::string& fingerprint) {
    return ReadWith<std::vector<GameResult>>([&](sqlite3* db, std::vector<GameResult>& games) {
        return ReadGames(db, fingerprint, games);
    });
}

std::optional<std::vector<PairTotal>>
SqliteProgressStore::HardestPairs(const std::string& fingerprint, int limit) {
    return ReadWith<std::vector<PairTotal>>([&](sqlite3* db, std::vector<PairTotal>& pairs) {
        return ReadHardestPairs(db, fingerprint, limit, pairs);
    });
}

std::optional<std::vector<ScheduledPair>> SqliteProgressStore::ScheduledPairs(Day dueBy,
                                                                              std::int64_t limit) {
    return ReadWith<std::vector<ScheduledPair>>(
        [&](sqlite3* db, std::vector<ScheduledPair>& pairs) {
            return ReadScheduledPairs(db, dueBy, limit, pairs);
        });
}

std::optional<ReviewSummary> SqliteProgressStore::Summary(Day today) {
    return ReadWith<ReviewSummary>(
        [&](sqlite3* db, ReviewSummary& summary) { return ReadSummary(db, today, summary); });
}

std::optional<PracticeRecord> SqliteProgressStore::Practice(Day today) {
    return ReadWith<PracticeRecord>(
        [&](sqlite3* db, PracticeRecord& record) { return ReadPractice(db, today, record); });
}

bool SqliteProgressStore::MoveList(const std::string& from, const std::string& to) {
    const Database db(OpenForWriting());
    if (!db) {
        return false;
    }
    for (const char* sql : {"UPDATE games SET list_path = ?1 WHERE list_path = ?2",
                            "UPDATE lists SET list_path = ?1 WHERE list_path = ?2"}) {
        const Statement update = Prepare(db.get(), sql);
        if (!update) {
            return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
        }
        Bind(update.get(), 1, to);
        Bind(update.get(), 2, from);
        if (sqlite3_step(update.get()) != SQLITE_DONE) {
            return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
        }
    }
    if (!Execute(db.get(), "COMMIT")) {
        return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
    }
    return true;
}

std::optional<std::vector<PairMemory>>
SqliteProgressStore::Memories(const std::vector<PairKey>& pairs, Day day) {
    auto memories =
        ReadWith<std::vector<PairMemory>>([&](sqlite3* db, std::vector<PairMemory>& read) {
            PairMemoryReader reader(db);
            for (const PairKey& pair : pairs) {
                const std::optional<PairMemory> memory =
                    reader.Read(MemoryKeyOf(pair.textA, pair.textB), day);
                if (!memory) {
                    return false;
                }
                read.push_back(*memory);
            }
            return true;
        });
    // Without a file yet, every pair is new.
    if (memories) {
        memories->resize(pairs.size());
    }
    return memories;
}

std::optional<std::vector<PairHistory>>
SqliteProgressStore::PairHistories(const std::string& fingerprint, const std::string& description,
                                   const std::vector<MemoryKey>& pairs) {
    std::optional<std::vector<PairHistory>> histories =
        ReadWith<std::vector<PairHistory>>([&](sqlite3* db, std::vector<PairHistory>& read) {
            return ReadPairHistories(db, fingerprint, description, pairs, read);
        });
    // Without a database yet, no pair has a history.
    if (histories) {
        histories->resize(pairs.size());
    }
    return histories;
}

std::optional<std::vector<ReviewRecord>> SqliteProgressStore::ReviewLog() {
    return ReadWith<std::vector<ReviewRecord>>([](sqlite3* db, std::vector<ReviewRecord>& log) {
        std::vector<StoredReview> rows;
        if (!ReadStoredReviews(db, rows)) {
            return false;
        }
        log.reserve(rows.size());
        for (StoredReview& row : rows) {
            log.push_back(std::move(row.record));
        }
        return true;
    });
}

std::optional<SettingTexts> SqliteProgressStore::Settings() {
    return ReadWith<SettingTexts>(ReadSettingTexts);
}

bool SqliteProgressStore::SetSetting(std::string_view key, const std::string& text) {
    const Database db(OpenForWriting());
    if (!db) {
        return false;
    }
    const NumberSetting* setting = SettingNamed(key);
    if (!WriteSettingText(db.get(), key, text) ||
        (setting && setting->reschedules && !Reschedule(db.get())) ||
        !Execute(db.get(), "COMMIT")) {
        return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
    }
    return true;
}

std::optional<KeptFits> SqliteProgressStore::Fits() {
    return ReadWith<KeptFits>(ReadKeptFits);
}

bool SqliteProgressStore::KeepFit(const MemoryFit& fit, std::int64_t fittedAt) {
    const Database db(OpenForWriting());
    if (!db) {
        return false;
    }
    const bool adopted = fit.Better();
    if (!InsertFit(db.get(), fit, fittedAt, adopted) || (adopted && !Reschedule(db.get())) ||
        !Execute(db.get(), "COMMIT")) {
        return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
    }
    return true;
}

std::string DefaultProgressPath() {
    const std::string folder = DataFolder();
    return folder.empty() ? folder : folder + "/progress.sqlite";
}
