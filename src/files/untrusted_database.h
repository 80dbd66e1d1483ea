#pragma once

#include "words/message.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;
class CancelFlag;

// The longest text or blob such a database may hold.
inline constexpr int MaxDatabaseText = 16 << 20;

// An SQLite database that a file brings, read as data and never trusted: opened read-only from
// memory, with views and triggers switched off, no text longer than MaxDatabaseText, no query
// giving more than maxRows rows, and every query stopped after work in proportion to the
// database's size, or as soon as the reading is cancelled.
class UntrustedDatabase {
public:
    class Query;

    // The image must stay in place, unchanged, while the database is open.
    UntrustedDatabase(std::string_view image, std::size_t maxRows, const CancelFlag* cancel);
    ~UntrustedDatabase();
    UntrustedDatabase(const UntrustedDatabase&) = delete;
    UntrustedDatabase& operator=(const UntrustedDatabase&) = delete;

    bool IsOpen() const { return database_ != nullptr; }

    // True when `name` is a plain table, not a view nor a virtual table, that stores each of
    // the columns (none computed).
    bool HasTable(std::string_view name, std::initializer_list<std::string_view> columns);

    // A query whose ? are bound to the parameters in order. A query that cannot be prepared
    // gives no row.
    Query Run(const char* sql, std::initializer_list<std::string_view> parameters = {});

    // Why the last query stopped before its end: a limit, damage; nullopt when it did not.
    const std::optional<Message>& Problem() const { return problem_; }
    // The problem is a limit or a cancel, not damage.
    bool StoppedByLimit() const { return problem_ && limited_; }

    // Work budgets are counted in steps of this many virtual machine instructions.
    static constexpr int InstructionsPerStep = 1000;

private:
    friend class Query;
    static int OnProgress(void* self);
    void Stopped(int code);

    sqlite3* database_ = nullptr;
    std::size_t maxRows_;
    const CancelFlag* cancel_;
    long long stepsLeft_ = 0;
    long long stepsPerQuery_ = 0;
    bool overBudget_ = false;
    bool cancelled_ = false;
    bool limited_ = false;
    std::optional<Message> problem_;
};

class UntrustedDatabase::Query {
public:
    Query(UntrustedDatabase& database, sqlite3_stmt* statement);
    ~Query();
    Query(Query&& other) noexcept;
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    Query& operator=(Query&&) = delete;

    // Steps to the next row; false at the end, or when the query stopped (see Problem).
    bool Next();
    bool Prepared() const { return statement_ != nullptr; }
    std::string Text(int column) const;
    std::int64_t Integer(int column) const;

private:
    UntrustedDatabase* database_;
    sqlite3_stmt* statement_;
    std::size_t rows_ = 0;
};
