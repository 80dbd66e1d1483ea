#pragma once

#include <string>

// The tables of a progress database as schema version 2 (reviews without `recall`) or 3 (a
// schedule per list and pair) made them, with `user_version` set: the files older programs left.
inline std::string OldProgressSchema(int version) {
    const bool recall = version >= 3;
    return "CREATE TABLE games (id INTEGER PRIMARY KEY, list_path, fingerprint, finished_at, "
           "seconds, pairs, correct, wrong, hints, peeks, assisted, undos, kind);"
           "CREATE TABLE lists (fingerprint PRIMARY KEY, description, list_path);"
           "CREATE TABLE pair_totals (fingerprint, text_a, text_b, seen, missed, hinted, peeked, "
           "last_missed, PRIMARY KEY (fingerprint, text_a, text_b));"
           "CREATE TABLE memory_states (fingerprint, text_a, text_b, stability, difficulty, "
           "last_review, due, reps, lapses, interval_days, PRIMARY KEY (fingerprint, text_a, "
           "text_b));"
           "CREATE INDEX memory_states_by_due ON memory_states (due, text_a, text_b, "
           "fingerprint);"
           "CREATE TABLE review_log (id INTEGER PRIMARY KEY, fingerprint, text_a, text_b, "
           "reviewed_on, grade, stability_before, difficulty_before, last_review_before, "
           "due_before, reps_before, lapses_before" +
           std::string(recall ? ", recall, counted);" : ");") +
           (recall ? "CREATE INDEX review_log_by_day ON review_log (fingerprint, text_a, text_b, "
                     "reviewed_on);"
                   : "") +
           "PRAGMA user_version = " + std::to_string(version) + ";";
}
