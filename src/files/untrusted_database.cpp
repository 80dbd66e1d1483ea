#include "files/untrusted_database.h"

#include "words/cancel_flag.h"

#include <sqlite3.h>

#include <algorithm>

namespace {

// Reading every row of a table costs a few dozen instructions; an honest query stays far
// below this much work per byte of its database.
constexpr long long instructionsPerByte = 64;
constexpr long long leastInstructions = 10'000'000;

} // namespace

UntrustedDatabase::UntrustedDatabase(std::string_view image, std::size_t maxRows,
                                     const CancelFlag* cancel)
    : maxRows_(maxRows), cancel_(cancel) {
    sqlite3* database = nullptr;
    sqlite3_open_v2(":memory:", &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_PRIVATECACHE,
                    nullptr);
    if (database == nullptr) {
        return;
    }
    for (const int option : {SQLITE_DBCONFIG_ENABLE_VIEW, SQLITE_DBCONFIG_ENABLE_TRIGGER,
                             SQLITE_DBCONFIG_TRUSTED_SCHEMA}) {
        sqlite3_db_config(database, option, 0, nullptr);
    }
    sqlite3_db_config(database, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_limit(database, SQLITE_LIMIT_LENGTH, MaxDatabaseText);
    // SQLite reads a deserialized image in place; READONLY keeps it from writing to it.
    auto* bytes = reinterpret_cast<unsigned char*>(const_cast<char*>(image.data()));
    const auto size = static_cast<sqlite3_int64>(image.size());
    if (sqlite3_deserialize(database, "main", bytes, size, size, SQLITE_DESERIALIZE_READONLY) !=
        SQLITE_OK) {
        sqlite3_close(database);
        return;
    }
    database_ = database;
    stepsPerQuery_ = (leastInstructions + instructionsPerByte * size) / InstructionsPerStep;
    sqlite3_progress_handler(database_, InstructionsPerStep, &UntrustedDatabase::OnProgress, this);
}

UntrustedDatabase::~UntrustedDatabase() {
    sqlite3_close(database_);
}

int UntrustedDatabase::OnProgress(void* self) {
    auto& database = *static_cast<UntrustedDatabase*>(self);
    if (IsCancelled(database.cancel_)) {
        database.cancelled_ = true;
        return 1;
    }
    if (--database.stepsLeft_ < 0) {
        database.overBudget_ = true;
        return 1;
    }
    return 0;
}

void UntrustedDatabase::Stopped(int code) {
    limited_ = true;
    if (cancelled_ || IsCancelled(cancel_)) {
        cancelled_ = true;
        problem_ = CancelledReading();
    } else if (overBudget_) {
        problem_ = GT_TEXT("Message", "Reading its collection takes far more work than a "
                                      "collection of its size needs; it is refused.");
    } else if (code == SQLITE_TOOBIG) {
        problem_ = Message(GT_TEXT("Message", "Its collection holds a text longer than %1 MB, far "
                                              "more than a note holds; it is refused."),
                           {std::to_string(MaxDatabaseText >> 20)});
    } else {
        limited_ = false;
        problem_ = Message(GT_TEXT("Message", "Its collection is damaged: %1."),
                           {sqlite3_errmsg(database_)});
    }
}

bool UntrustedDatabase::HasTable(std::string_view name,
                                 std::initializer_list<std::string_view> columns) {
    Query kind = Run("SELECT type = 'table' AND sql NOT LIKE 'CREATE VIRTUAL%' FROM sqlite_master "
                     "WHERE name = ?",
                     {name});
    if (!kind.Next() || kind.Integer(0) == 0) {
        return false;
    }
    // hidden is 0 for a stored column, more for the hidden and generated ones.
    Query stored = Run("SELECT name FROM pragma_table_xinfo(?) WHERE hidden = 0", {name});
    std::size_t found = 0;
    while (stored.Next()) {
        const std::string column = stored.Text(0);
        found += std::count(columns.begin(), columns.end(), column);
    }
    return found == columns.size();
}

UntrustedDatabase::Query
UntrustedDatabase::Run(const char* sql, std::initializer_list<std::string_view> parameters) {
    problem_.reset();
    overBudget_ = false;
    stepsLeft_ = stepsPerQuery_;
    sqlite3_stmt* statement = nullptr;
    if (database_ != nullptr &&
        sqlite3_prepare_v2(database_, sql, -1, &statement, nullptr) != SQLITE_OK) {
        Stopped(sqlite3_errcode(database_));
    }
    int index = 0;
    for (const std::string_view parameter : parameters) {
        sqlite3_bind_text(statement, ++index, parameter.data(), static_cast<int>(parameter.size()),
                          SQLITE_TRANSIENT);
    }
    return Query(*this, statement);
}

UntrustedDatabase::Query::Query(UntrustedDatabase& database, sqlite3_stmt* statement)
    : database_(&database), statement_(statement) {}

UntrustedDatabase::Query::Query(Query&& other) noexcept
    : database_(other.database_), statement_(other.statement_), rows_(other.rows_) {
    other.statement_ = nullptr;
}

UntrustedDatabase::Query::~Query() {
    sqlite3_finalize(statement_);
}

bool UntrustedDatabase::Query::Next() {
    if (statement_ == nullptr) {
        return false;
    }
    const int step = sqlite3_step(statement_);
    if (step == SQLITE_ROW && ++rows_ > database_->maxRows_) {
        database_->limited_ = true;
        database_->problem_ =
            Message(GT_TEXT("Message", "It holds more than %1 notes, more than this program "
                                       "reads; it is refused."),
                    {std::to_string(database_->maxRows_)});
    } else if (step == SQLITE_ROW) {
        return true;
    } else if (step != SQLITE_DONE) {
        database_->Stopped(step);
    }
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    return false;
}

std::string UntrustedDatabase::Query::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text == nullptr
               ? std::string()
               : std::string(text,
                             static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
}

std::int64_t UntrustedDatabase::Query::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}
