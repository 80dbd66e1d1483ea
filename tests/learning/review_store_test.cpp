#include "learning/review_replay.h"
#include "learning/sqlite_progress_store.h"
#include "support/old_progress_schema.h"
#include "support/practice_day.h"
#include "support/recorded_reviews.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace std::chrono;

PairOutcome Outcome(const std::string& fingerprint, const std::string& word, Grade grade) {
    return {{fingerprint, word, "to " + word}, grade == Grade::Again ? 1 : 0, 0, 0, grade};
}

GameResult GameOn(Day day, std::vector<PairOutcome> outcomes,
                  const std::string& fingerprint = "00112233aabbccdd") {
    GameResult game{"/lists/verbs.txt",  fingerprint,    NoonOf(day), 60, 3, 3, 1, 0, 0, false, 0,
                    std::move(outcomes), GameKind::List, "Verbs"};
    return game;
}

std::vector<std::string> Lines(const std::vector<ScheduledPair>& pairs) {
    std::vector<std::string> lines;
    for (const ScheduledPair& pair : pairs) {
        lines.push_back(DayText(pair.schedule.due) + " " + pair.key.textA + " " +
                        pair.listDescription);
    }
    return lines;
}

std::string Query(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    std::string result;
    sqlite3_exec(
        db, sql,
        [](void* out, int columns, char** values, char**) {
            for (int i = 0; i < columns; ++i) {
                *static_cast<std::string*>(out) += (values[i] ? values[i] : "NULL");
                *static_cast<std::string*>(out) += i + 1 < columns ? "|" : "\n";
            }
            return 0;
        },
        &result, nullptr);
    sqlite3_close(db);
    return result;
}

TEST(ReviewStore, AFinishedGameSchedulesEachPairByItsGrade) {
    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    SqliteProgressStore store(path);
    ASSERT_TRUE(store.Record(GameOn(Today, {Outcome("00112233aabbccdd", "voir", Grade::Good),
                                            Outcome("00112233aabbccdd", "manger", Grade::Again),
                                            Outcome("00112233aabbccdd", "boire", Grade::Hard)})))
        << EnglishText(store.Problem());

    EXPECT_EQ(Lines(*store.ScheduledPairs(EveryDay, 100)),
              std::vector<std::string>(
                  {"2026-12-08 manger Verbs", "2026-12-09 boire Verbs", "2026-12-10 voir Verbs"}));
    EXPECT_TRUE(store.ScheduledPairs(Today, 100)->empty());
    EXPECT_EQ(Lines(*store.ScheduledPairs(Today + days(2), 1)),
              std::vector<std::string>({"2026-12-08 manger Verbs"}))
        << "most overdue first";

    const ReviewSummary summary = *store.Summary(Today);
    EXPECT_EQ(summary.dueNow, 0);
    ASSERT_TRUE(summary.next);
    EXPECT_EQ(std::tuple(summary.next->day, summary.next->pairs), std::tuple(Today + days(1), 1));
    EXPECT_EQ(std::vector(summary.forecast.begin(), summary.forecast.begin() + 5),
              std::vector<std::int64_t>({0, 1, 1, 1, 0}));
    EXPECT_EQ(summary.stages.learning, 3);
    const ReviewSummary later = *store.Summary(Today + days(2));
    EXPECT_EQ(std::tuple(later.dueNow, later.forecast[0], later.forecast[1]), std::tuple(2, 2, 1));

    // Played again on its due day, the clean pair goes on as the schedule says, and the log
    // keeps the state each review started from.
    const Day due = Today + days(3);
    ASSERT_TRUE(store.Record(GameOn(due, {Outcome("00112233aabbccdd", "voir", Grade::Good)})));
    EXPECT_EQ(Lines(*store.ScheduledPairs(EveryDay, 100)).back(), "2026-12-24 voir Verbs");
    EXPECT_EQ(Query(path, "SELECT reviewed_on, grade, stability_before, reps_before FROM "
                          "review_log WHERE text_a = 'voir' ORDER BY id"),
              "2026-12-07|3|NULL|NULL\n2026-12-10|3|2.3065|1\n");
    const ReviewSummary stages = *store.Summary(due);
    EXPECT_EQ(std::tuple(stages.stages.due, stages.stages.learning), std::tuple(2, 1));
}

// A pair's memory follows its words, compared without case and extra blanks, whichever list it
// was seen in; it is named by the list it was seen in last.
TEST(ReviewStore, APairIsKnownByItsWordsWhicheverListItWasSeenIn) {
    struct Case {
        const char* name;
        PairKey first;
        PairKey second;
        bool onePair;
    };
    const std::string a = "aaaaaaaaaaaaaaaa";
    const std::string b = "bbbbbbbbbbbbbbbb";
    const Case cases[] = {
        {"the same words in two lists", {a, "voir", "to see"}, {b, "voir", "to see"}, true},
        {"another case and other blanks", {a, "Voir", "to  see"}, {b, " voir", "To see "}, true},
        {"one list edited", {a, "voir", "to see"}, {a, "VOIR", "to see"}, true},
        {"accents tell words apart", {a, "café", "coffee"}, {b, "cafe", "coffee"}, false},
        {"so do parts in parentheses",
         {a, "(s')acquérir", "to acquire"},
         {b, "acquérir", "to acquire"},
         false},
        {"Windows-1252 words fold their ASCII letters",
         {a, "Caf\xe9", "coffee"},
         {b, "caf\xe9", "COFFEE"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        SqliteProgressStore store((home.path() / "progress.sqlite").string());
        GameResult first = GameOn(Today, {{c.first, 1, 0, 0, Grade::Again}}, c.first.fingerprint);
        GameResult second =
            GameOn(Today + days(1), {{c.second, 0, 0, 0, Grade::Good}}, c.second.fingerprint);
        second.listDescription = "Verbs, sorted";
        ASSERT_TRUE(store.Record(first) && store.Record(second)) << EnglishText(store.Problem());
        const auto pairs = store.ScheduledPairs(EveryDay, 100);
        ASSERT_TRUE(pairs);
        ASSERT_EQ(pairs->size(), c.onePair ? 1u : 2u);
        if (c.onePair) {
            EXPECT_EQ(pairs->front().key, c.second);
            EXPECT_EQ(pairs->front().listDescription, "Verbs, sorted");
            EXPECT_EQ(pairs->front().schedule.reps, 2);
        }
    }
}

TEST(ReviewStore, AnOlderFileIsBroughtUpToDateInOneTransaction) {
    const char* version1 =
        "CREATE TABLE games (id INTEGER PRIMARY KEY, list_path TEXT NOT NULL, fingerprint TEXT "
        "NOT NULL, finished_at INTEGER NOT NULL, seconds INTEGER NOT NULL, pairs INTEGER NOT "
        "NULL, correct INTEGER NOT NULL, wrong INTEGER NOT NULL, hints INTEGER NOT NULL, peeks "
        "INTEGER NOT NULL, assisted INTEGER NOT NULL, undos INTEGER NOT NULL);"
        "CREATE INDEX games_by_list ON games (fingerprint, finished_at);"
        "CREATE TABLE pair_totals (fingerprint TEXT NOT NULL, text_a TEXT NOT NULL, text_b TEXT "
        "NOT NULL, seen INTEGER NOT NULL DEFAULT 0, missed INTEGER NOT NULL DEFAULT 0, hinted "
        "INTEGER NOT NULL DEFAULT 0, peeked INTEGER NOT NULL DEFAULT 0, last_missed INTEGER, "
        "PRIMARY KEY (fingerprint, text_a, text_b));"
        "INSERT INTO games VALUES (1, '/lists/verbs.txt', '00112233aabbccdd', 1000, 60, 2, 2, "
        "0, 0, 0, 0, 0);"
        "INSERT INTO pair_totals VALUES ('00112233aabbccdd', 'voir', 'to see', 1, 0, 0, 0, NULL);"
        "PRAGMA user_version = 1;";
    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    Query(path, version1);
    SqliteProgressStore store(path);
    const auto summary = store.Summary(Today);
    ASSERT_TRUE(summary) << EnglishText(store.Problem());
    EXPECT_EQ(summary->stages.newPairs, 1) << "seen before reviews were kept";
    EXPECT_EQ(Query(path, "PRAGMA user_version"),
              std::to_string(SqliteProgressStore::SchemaVersion) + "\n");
    EXPECT_EQ(Query(path, "SELECT kind, fingerprint FROM games"), "list|00112233aabbccdd\n");
    const auto settings = StoredReviewSettings(store);
    ASSERT_TRUE(settings) << EnglishText(store.Problem());
    EXPECT_EQ(std::tuple(settings->weights, settings->retention),
              std::tuple(DefaultWeights, DefaultRetention));

    // A step that fails takes the steps before it back with it.
    TempDir other;
    const std::string blocked = (other.path() / "progress.sqlite").string();
    Query(blocked, version1);
    Query(blocked, "CREATE TABLE review_log (x)");
    SqliteProgressStore failing(blocked);
    EXPECT_FALSE(failing.Record(GameOn(Today, {})));
    EXPECT_NE(EnglishText(failing.Problem()).find("cannot update"), std::string::npos)
        << EnglishText(failing.Problem());
    EXPECT_EQ(Query(blocked, "PRAGMA user_version"), "1\n");
    EXPECT_EQ(Query(blocked, "SELECT COUNT(*) FROM sqlite_master WHERE name = 'memory_states'"),
              "0\n");
    EXPECT_EQ(Query(blocked, "SELECT COUNT(*) FROM games"), "1\n");
}

// A file of schema `version` holding `rows`.
std::string OldFile(int version, const std::string& rows) {
    return OldProgressSchema(version) + rows;
}

// A memory_states row of `list`'s pair `a` = `b`.
std::string StateRow(const char* list, const char* a, const char* b, const Schedule& s) {
    return "INSERT INTO memory_states VALUES ('" + std::string(list) + "', '" + a + "', '" + b +
           "', " + std::to_string(s.memory.stability) + ", " + std::to_string(s.memory.difficulty) +
           ", '" + DayText(s.lastReview) + "', '" + DayText(s.due) + "', " +
           std::to_string(s.reps) + ", " + std::to_string(s.lapses) + ", 1);";
}

// A file of schema version 3 kept a schedule per list: the same pair in two lists, or in a list
// before and after an edit, had two. They become one, named by the longer history, with the
// two logs merged in time order and replayed: a typed answer replaces the board's grade of its
// day, wherever each was given.
TEST(ReviewStore, AVersion3FileMergesEqualPairsAndReplaysTheirLogs) {
    const Day day1 = Today - days(6);
    const Day day2 = Today - days(5);
    const Schedule gato = Review(std::nullopt, day1, Grade::Good);
    const Schedule perroInA = Review(Review(std::nullopt, day1, Grade::Again), day2, Grade::Good);
    const Schedule perroInB = Review(std::nullopt, day1, Grade::Good);
    const std::string version3 = OldFile(
        3, "INSERT INTO lists VALUES ('aaaaaaaaaaaaaaaa', 'Animals', 'a.txt'), "
           "('bbbbbbbbbbbbbbbb', 'Animals, sorted', 'a.txt');"
           "INSERT INTO pair_totals VALUES ('aaaaaaaaaaaaaaaa', 'perro', 'dog', 2, 1, 0, 0, 1), "
           "('aaaaaaaaaaaaaaaa', 'gato', 'cat', 1, 0, 0, 0, NULL), "
           "('bbbbbbbbbbbbbbbb', 'Perro', 'dog ', 1, 0, 0, 0, NULL);" +
               StateRow("aaaaaaaaaaaaaaaa", "perro", "dog", perroInA) +
               StateRow("aaaaaaaaaaaaaaaa", "gato", "cat", gato) +
               StateRow("bbbbbbbbbbbbbbbb", "Perro", "dog ", perroInB) +
               "INSERT INTO review_log (id, fingerprint, text_a, text_b, reviewed_on, grade, "
               "recall, counted) VALUES (1, 'aaaaaaaaaaaaaaaa', 'perro', 'dog', '" +
               DayText(day1) + "', 1, 0, 1), (2, 'aaaaaaaaaaaaaaaa', 'gato', 'cat', '" +
               DayText(day1) + "', 3, 0, 1), (3, 'bbbbbbbbbbbbbbbb', 'Perro', 'dog ', '" +
               DayText(day1) + "', 3, 1, 1), (4, 'aaaaaaaaaaaaaaaa', 'perro', 'dog', '" +
               DayText(day2) + "', 3, 0, 1);");
    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    Query(path, version3.c_str());

    SqliteProgressStore store(path);
    ASSERT_TRUE(store.ScheduledPairs(EveryDay, 100)) << EnglishText(store.Problem());
    EXPECT_EQ(Query(path, "PRAGMA user_version"),
              std::to_string(SqliteProgressStore::SchemaVersion) + "\n");
    const auto pairs = *store.ScheduledPairs(EveryDay, 100);
    ASSERT_EQ(pairs.size(), 2u);
    const ScheduledPair& perro = pairs[0].key.textA == "perro" ? pairs[0] : pairs[1];
    EXPECT_EQ(perro.key, (PairKey{"aaaaaaaaaaaaaaaa", "perro", "dog"}));
    EXPECT_EQ(perro.listDescription, "Animals");
    const Schedule merged = Review(Review(std::nullopt, day1, Grade::Good), day2, Grade::Good);
    EXPECT_DOUBLE_EQ(perro.schedule.memory.stability, merged.memory.stability);
    EXPECT_EQ(std::tuple(perro.schedule.due, perro.schedule.reps, perro.schedule.lapses),
              std::tuple(merged.due, 2, 0));
    EXPECT_EQ(Query(path, "SELECT id, counted, reps_before FROM review_log ORDER BY id"),
              "1|0|NULL\n2|1|NULL\n3|1|NULL\n4|1|1\n");
    EXPECT_EQ(store.Summary(Today)->stages.newPairs, 0);
    // Played again, the merged pair goes on from its merged schedule.
    ASSERT_TRUE(
        store.Record(GameOn(Today, {{{"bbbbbbbbbbbbbbbb", "PERRO", "dog"}, 0, 0, 0, Grade::Good}},
                            "bbbbbbbbbbbbbbbb")));
    const auto after = *store.ScheduledPairs(EveryDay, 100);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(Query(path, "SELECT reps FROM memory_states WHERE key_a = 'perro'"), "3\n");
    // The days practised are counted from the old log once (the two perros are one pair), and
    // go on from there.
    const std::optional<PracticeRecord> practice = store.Practice(Today);
    ASSERT_TRUE(practice);
    std::vector<std::pair<Day, std::int64_t>> days;
    for (const PracticeDay& day : practice->days) {
        days.emplace_back(day.day, day.pairs);
    }
    EXPECT_EQ(days, (std::vector<std::pair<Day, std::int64_t>>{{day1, 2}, {day2, 1}, {Today, 1}}));
}

TEST(ReviewStore, AStateThatCannotBeReadIsLeftOutAndStartsAfresh) {
    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    SqliteProgressStore store(path);
    ASSERT_TRUE(store.Record(GameOn(Today, {Outcome("00112233aabbccdd", "voir", Grade::Good),
                                            Outcome("00112233aabbccdd", "boire", Grade::Good)})));
    Query(path, "UPDATE memory_states SET stability = 'much', due = 'someday' "
                "WHERE text_a = 'voir'");
    EXPECT_EQ(Lines(*store.ScheduledPairs(EveryDay, 100)),
              std::vector<std::string>({"2026-12-10 boire Verbs"}));
    ASSERT_TRUE(
        store.Record(GameOn(Today + days(5), {Outcome("00112233aabbccdd", "voir", Grade::Good)})));
    EXPECT_EQ(Lines(*store.ScheduledPairs(EveryDay, 100)).back(), "2026-12-15 voir Verbs");
}

// One pair reviewed in turn on the board and in typing rounds, on days counted from Today.
struct ReviewStep {
    const char* kind;
    int day;
    Grade grade;
};

void RecordSteps(SqliteProgressStore& store, const std::vector<ReviewStep>& steps) {
    for (const ReviewStep& step : steps) {
        GameResult game =
            GameOn(Today + days(step.day), {Outcome("00112233aabbccdd", "voir", step.grade)});
        game.kind = step.kind;
        ASSERT_TRUE(store.Record(game)) << EnglishText(store.Problem());
    }
}

void ExpectScheduleOf(SqliteProgressStore& store, const std::vector<ReviewStep>& counted) {
    std::optional<Schedule> expected;
    for (const ReviewStep& step : counted) {
        expected = Review(expected, Today + days(step.day), step.grade);
    }
    const auto pairs = store.ScheduledPairs(EveryDay, 100);
    ASSERT_TRUE(pairs && pairs->size() == 1u);
    const Schedule& kept = pairs->front().schedule;
    EXPECT_DOUBLE_EQ(kept.memory.stability, expected->memory.stability);
    EXPECT_DOUBLE_EQ(kept.memory.difficulty, expected->memory.difficulty);
    EXPECT_EQ(std::tuple(kept.lastReview, kept.due, kept.reps, kept.lapses),
              std::tuple(expected->lastReview, expected->due, expected->reps, expected->lapses));
}

TEST(ReviewStore, OnOneDayARoundsGradeReplacesTheBoardsAndTheBoardCannotOverwriteIt) {
    const char* board = GameKind::List;
    const char* round = GameKind::Typing;
    const char* cards = GameKind::Flashcards;
    const char* choice = GameKind::Choice;
    const Grade again = Grade::Again, hard = Grade::Hard, good = Grade::Good;
    struct Case {
        const char* name;
        std::vector<ReviewStep> steps;
        std::vector<ReviewStep> counted;
    };
    const Case cases[] = {
        {"board then round", {{board, 0, again}, {round, 0, good}}, {{round, 0, good}}},
        {"round then board", {{round, 0, good}, {board, 0, again}}, {{round, 0, good}}},
        {"a review deal counts as board",
         {{GameKind::Review, 0, again}, {round, 0, hard}},
         {{round, 0, hard}}},
        {"two boards then a round",
         {{board, 0, good}, {board, 0, again}, {round, 0, hard}},
         {{round, 0, hard}}},
        {"an earlier day's board stays",
         {{board, 0, good}, {board, 3, again}, {round, 3, good}},
         {{board, 0, good}, {round, 3, good}}},
        {"board and round on different days",
         {{board, 0, again}, {round, 1, good}},
         {{board, 0, again}, {round, 1, good}}},
        {"two rounds both count",
         {{round, 0, again}, {round, 0, good}},
         {{round, 0, again}, {round, 0, good}}},
        {"board, round, board, round",
         {{board, 0, again}, {round, 0, hard}, {board, 0, again}, {round, 0, good}},
         {{round, 0, hard}, {round, 0, good}}},
        {"flashcards replace the board",
         {{board, 0, good}, {cards, 0, again}},
         {{cards, 0, again}}},
        {"a second flashcard grade counts too",
         {{cards, 0, again}, {cards, 0, good}},
         {{cards, 0, again}, {cards, 0, good}}},
        {"flashcards and typing are both recall",
         {{round, 0, hard}, {cards, 0, good}},
         {{round, 0, hard}, {cards, 0, good}}},
        {"a choice after flashcards does not count",
         {{cards, 0, good}, {choice, 0, again}},
         {{cards, 0, good}}},
        {"flashcards replace a choice and the board",
         {{choice, 0, good}, {board, 0, again}, {cards, 0, hard}},
         {{cards, 0, hard}}},
        {"a choice and the board are both recognition",
         {{board, 0, again}, {choice, 0, good}},
         {{board, 0, again}, {choice, 0, good}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        const std::string path = (home.path() / "progress.sqlite").string();
        SqliteProgressStore store(path);
        RecordSteps(store, c.steps);
        ExpectScheduleOf(store, c.counted);
        // The log keeps every review, counted or not.
        EXPECT_EQ(Query(path, "SELECT COUNT(*), SUM(counted) FROM review_log"),
                  std::to_string(c.steps.size()) + "|" + std::to_string(c.counted.size()) + "\n");
        // Read back and replayed, the log gives what was written.
        const auto log = store.ReviewLog();
        ASSERT_TRUE(log && log->size() == c.steps.size());
        const ReplayedLog replayed = ReplayReviews(*log, {});
        for (std::size_t i = 0; i < log->size(); ++i) {
            EXPECT_EQ(replayed.counted[i], (*log)[i].counted) << i;
        }
        const Schedule kept = store.ScheduledPairs(EveryDay, 1)->front().schedule;
        const Schedule& again = replayed.schedules.begin()->second;
        EXPECT_EQ(std::tuple(again.memory.stability, again.due, again.reps),
                  std::tuple(kept.memory.stability, kept.due, kept.reps));
    }
}

TEST(ReviewStore, AFileFromBeforeRoundsKeepsItsLogAndItsBoardGradeCanBeReplaced) {
    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    const Schedule board = Review(std::nullopt, Today, Grade::Again);
    Query(path, OldFile(2, StateRow("00112233aabbccdd", "voir", "to voir", board) +
                               "INSERT INTO review_log (fingerprint, text_a, text_b, "
                               "reviewed_on, grade) VALUES ('00112233aabbccdd', 'voir', "
                               "'to voir', '" +
                               DayText(Today) + "', 1);")
                    .c_str());
    SqliteProgressStore store(path);
    RecordSteps(store, {{GameKind::Typing, 0, Grade::Good}});
    ExpectScheduleOf(store, {{GameKind::Typing, 0, Grade::Good}});
    EXPECT_EQ(Query(path, "SELECT grade, recall, counted FROM review_log ORDER BY id"),
              "1|0|0\n3|1|1\n");
}

// The log says where each review came from; a flashcard's grade when it came back is a second
// review of the same day.
TEST(ReviewStore, EachReviewKeepsItsSourceAndAFlashcardsRetryIsReviewedToo) {
    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    SqliteProgressStore store(path);
    const std::pair<const char*, const char*> games[] = {{GameKind::List, "voir"},
                                                         {GameKind::Typing, "boire"},
                                                         {GameKind::Flashcards, "manger"},
                                                         {GameKind::Choice, "dormir"}};
    for (const auto& [kind, word] : games) {
        PairOutcome outcome = Outcome("00112233aabbccdd", word, Grade::Again);
        outcome.retryGrade = Grade::Good;
        GameResult game = GameOn(Today, {outcome});
        game.kind = kind;
        ASSERT_TRUE(store.Record(game)) << EnglishText(store.Problem());
    }
    EXPECT_EQ(Query(path, "SELECT text_a, recall, grade FROM review_log ORDER BY id"),
              "voir|0|1\nvoir|0|3\nboire|1|1\nboire|1|3\nmanger|2|1\nmanger|2|3\n"
              "dormir|3|1\ndormir|3|3\n");
    EXPECT_EQ(Query(path, "SELECT kind FROM games ORDER BY id"),
              "list\ntyping\nflashcards\nchoice\n");
}

// A version 4 file is what this program writes without the settings, the fits and the days
// practised: it gains them, keeps every row, and schedules with the defaults until a setting or a
// fit is kept.
TEST(ReviewStore, AVersion4FileGainsSettingsAndFitsAndKeepsEveryRow) {
    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    {
        SqliteProgressStore store(path);
        ASSERT_TRUE(
            RecordReviews(store, {{"voir", Today - days(9), Grade::Again},
                                  {"voir", Today - days(9), Grade::Good, ReviewSource::Typing},
                                  {"boire", Today - days(9), Grade::Hard},
                                  {"voir", Today - days(2), Grade::Good}}))
            << EnglishText(store.Problem());
    }
    const auto everyRow = [&] {
        std::string rows;
        for (const char* table : {"games", "lists", "pair_totals", "memory_states", "review_log"}) {
            rows +=
                table + std::string(":\n") +
                Query(path, ("SELECT * FROM " + std::string(table) + " ORDER BY 1, 2, 3").c_str());
        }
        return rows;
    };
    Query(path, "DROP TRIGGER review_log_counts_its_day; DROP TABLE practice_days; "
                "DROP INDEX pair_totals_by_words; "
                "DROP TABLE settings; DROP TABLE memory_fits; PRAGMA user_version = 4;");
    const std::string before = everyRow();
    ASSERT_NE(before.find("boire"), std::string::npos);

    SqliteProgressStore store(path);
    const auto settings = StoredReviewSettings(store);
    ASSERT_TRUE(settings) << EnglishText(store.Problem());
    EXPECT_EQ(Query(path, "PRAGMA user_version"),
              std::to_string(SqliteProgressStore::SchemaVersion) + "\n");
    EXPECT_EQ(everyRow(), before);
    EXPECT_EQ(std::tuple(settings->weights, settings->retention),
              std::tuple(DefaultWeights, DefaultRetention));
    EXPECT_FALSE(store.Fits()->latest);
    const auto log = store.ReviewLog();
    ASSERT_TRUE(log && log->size() == 4);
    EXPECT_EQ(std::tuple((*log)[1].source, (*log)[1].counted, (*log)[0].counted),
              std::tuple(ReviewSource::Typing, true, false));
    ASSERT_TRUE(WriteSetting(store, Setting::Retention, 0.9)) << EnglishText(store.Problem());
    EXPECT_EQ(everyRow(), before) << "the same retention schedules the same";
}

} // namespace
