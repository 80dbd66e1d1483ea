#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

// A connection that closes when it goes; closing inside a transaction rolls it back.
struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Null when the statement cannot be prepared; sqlite3_errmsg tells why.
Statement Prepare(sqlite3* db, const char* sql);
void Bind(sqlite3_stmt* statement, int index, std::string_view text);
// A column's bytes as they are, NUL bytes included; "" for NULL.
std::string Text(sqlite3_stmt* statement, int column);
// The same bytes in place, valid until the statement steps on.
std::string_view TextView(sqlite3_stmt* statement, int column);
bool Execute(sqlite3* db, const char* sql);

// Runs `select` with its parameters bound by `bind`, handing each row to `take`. False when
// the statement failed.
template <typename BindParameters, typename TakeRow>
bool EachRow(sqlite3* db, const char* select, BindParameters bind, TakeRow take) {
    const Statement statement = Prepare(db, select);
    if (!statement) {
        return false;
    }
    bind(statement.get());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
        take(statement.get());
    }
    return step == SQLITE_DONE;
}
