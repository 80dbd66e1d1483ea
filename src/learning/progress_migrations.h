#pragma once

struct sqlite3;

// The schema version this program writes; a file with a higher one is left alone.
inline constexpr int ProgressSchemaVersion = 6;

// Brings a progress database from schema version `from` up to ProgressSchemaVersion inside the
// caller's transaction, so that a step that fails takes the others back with it.
bool MigrateProgress(sqlite3* db, int from);
