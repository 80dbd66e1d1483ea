#include "learning/memory_items.h"
#include "learning/review_replay.h"
#include "learning/sqlite_progress_store.h"
#include "learning/stored_memory.h"
#include "learning/stored_review_log.h"
#include "support/recorded_reviews.h"
#include "support/simulated_learner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const MemoryWeights Fitted{0.5, 1.5,  4.0, 12.0, 6.0,  0.7, 2.5,    0.01,   1.6,    0.2, 0.9,
                           1.7, 0.07, 0.3, 1.8,  0.55, 2.1, 0.5425, 0.0912, 0.0658, 0.2};

// A simulated learner's log with a typed answer after every seventh review, on its day: the
// typed answers replace some board grades.
std::vector<ReviewRecord> MixedLog() {
    std::vector<ReviewRecord> log;
    for (const ReviewRecord& review : SimulatedReviews(Learner{})) {
        log.push_back(review);
        if (log.size() % 7 == 0) {
            log.push_back({review.pair, review.day, Grade::Good, ReviewSource::Typing});
        }
    }
    return log;
}

struct RecordedStore {
    TempDir home;
    std::string path = (home.path() / "progress.sqlite").string();
    SqliteProgressStore store{path};

    explicit RecordedStore(const std::vector<ReviewRecord>& log = MixedLog()) {
        EXPECT_TRUE(RecordReviews(store, log)) << EnglishText(store.Problem());
    }
};

// A fit of `weights` that predicts the reviews better than the weights in use, or worse.
MemoryFit FitOf(const MemoryWeights& weights, bool better, std::int64_t items = 120) {
    MemoryFit fit;
    fit.weights = weights;
    fit.stage = FitStage::Trained;
    fit.reviews = 100;
    fit.items = items;
    fit.before = fit.defaults = PredictionScore{0.40, 0.08};
    fit.fitted = PredictionScore{better ? 0.35 : 0.45, 0.05};
    return fit;
}

// Each review_log row in time order: the stability and due day it started from ("-" for none),
// and whether it counts.
std::vector<std::string> LoggedRows(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT stability_before, due_before, counted FROM review_log "
                       "ORDER BY reviewed_on, id",
                       -1, &select, nullptr);
    std::vector<std::string> rows;
    while (sqlite3_step(select) == SQLITE_ROW) {
        const bool started = sqlite3_column_type(select, 0) != SQLITE_NULL;
        char stability[32];
        std::snprintf(stability, sizeof stability, "%.15g", sqlite3_column_double(select, 0));
        const auto due = reinterpret_cast<const char*>(sqlite3_column_text(select, 1));
        rows.push_back((started ? std::string(stability) + " " + due : "- -") + " " +
                       (sqlite3_column_int(select, 2) != 0 ? "1" : "0"));
    }
    sqlite3_finalize(select);
    sqlite3_close(db);
    return rows;
}

std::string Row(const std::optional<Schedule>& before, bool counted) {
    char stability[32];
    std::snprintf(stability, sizeof stability, "%.15g", before ? before->memory.stability : 0);
    return (before ? std::string(stability) + " " + DayText(before->due) : "- -") + " " +
           (counted ? "1" : "0");
}

// What the store keeps is the log replayed with `settings`: every pair's schedule, and each
// row's counting and starting state.
void ExpectTheLogReplayed(RecordedStore& recorded, const ReviewSettings& settings) {
    const auto log = recorded.store.ReviewLog();
    const auto pairs = recorded.store.ScheduledPairs(EveryDay, -1);
    ASSERT_TRUE(log && pairs) << EnglishText(recorded.store.Problem());
    const ReplayedLog replayed = ReplayReviews(*log, settings);
    ASSERT_EQ(pairs->size(), replayed.schedules.size());
    for (const ScheduledPair& pair : *pairs) {
        SCOPED_TRACE(pair.key.textA);
        const Schedule& expected =
            replayed.schedules.at(PairName(MemoryKeyOf(pair.key.textA, pair.key.textB)));
        EXPECT_DOUBLE_EQ(pair.schedule.memory.stability, expected.memory.stability);
        EXPECT_DOUBLE_EQ(pair.schedule.memory.difficulty, expected.memory.difficulty);
        EXPECT_EQ(std::tuple(pair.schedule.lastReview, pair.schedule.due, pair.schedule.reps,
                             pair.schedule.lapses),
                  std::tuple(expected.lastReview, expected.due, expected.reps, expected.lapses));
    }
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < log->size(); ++i) {
        rows.push_back(Row(replayed.before[i], replayed.counted[i]));
    }
    EXPECT_EQ(LoggedRows(recorded.path), rows);
}

TEST(MemoryStore, EveryChangeOfWeightsOrRetentionReschedulesThePairsAsTheLogReplayedWithThem) {
    RecordedStore recorded;
    SqliteProgressStore& store = recorded.store;
    const std::vector<std::string> written = LoggedRows(recorded.path);
    ASSERT_GT(std::count_if(written.begin(), written.end(),
                            [](const std::string& row) { return row.ends_with(" 0"); }),
              10)
        << "typed answers replaced board grades";
    ExpectTheLogReplayed(recorded, {});

    ASSERT_TRUE(WriteSetting(store, Setting::Retention, 0.8)) << EnglishText(store.Problem());
    ExpectTheLogReplayed(recorded, {DefaultWeights, 0.8});

    // A fit that predicts worse is kept, and changes nothing.
    ASSERT_TRUE(store.KeepFit(FitOf(Fitted, false), 1000)) << EnglishText(store.Problem());
    ExpectTheLogReplayed(recorded, {DefaultWeights, 0.8});
    ASSERT_TRUE(store.KeepFit(FitOf(Fitted, true), 2000)) << EnglishText(store.Problem());
    ExpectTheLogReplayed(recorded, {Fitted, 0.8});
    EXPECT_NE(LoggedRows(recorded.path), written);

    const auto fits = store.Fits();
    ASSERT_TRUE(fits && fits->latest && fits->inUse);
    EXPECT_EQ(std::tuple(fits->inUse->weights, fits->inUse->fittedAt, fits->inUse->reviews,
                         fits->inUse->items, fits->inUse->adopted),
              std::tuple(Fitted, 2000, 100, 120, true));
    EXPECT_EQ(std::tuple(fits->inUse->fitted->logLoss, fits->inUse->defaults->rmseBins),
              std::tuple(0.35, 0.08));
    EXPECT_EQ(StoredReviewSettings(store)->weights, Fitted);

    // A game played now is scheduled with the weights and retention kept.
    const ScheduledPair before = store.ScheduledPairs(EveryDay, 1)->front();
    const Day later = before.schedule.due + std::chrono::days(2);
    ASSERT_TRUE(RecordReviews(store, {{before.key.textA, later, Grade::Hard}}));
    const Schedule expected = Review(before.schedule, later, Grade::Hard, {Fitted, 0.8});
    const auto after = store.ScheduledPairs(EveryDay, -1);
    const auto played = std::find_if(after->begin(), after->end(),
                                     [&](const ScheduledPair& p) { return p.key == before.key; });
    ASSERT_NE(played, after->end());
    EXPECT_EQ(std::tuple(played->schedule.memory.stability, played->schedule.due),
              std::tuple(expected.memory.stability, expected.due));

    // A higher retention brings every pair back as soon or sooner, and some sooner.
    std::optional<std::vector<ScheduledPair>> lower = after;
    for (const double retention : {0.9, 0.97}) {
        SCOPED_TRACE(retention);
        ASSERT_TRUE(WriteSetting(store, Setting::Retention, retention));
        ExpectTheLogReplayed(recorded, {Fitted, retention});
        std::map<std::string, Day> lowerDue;
        for (const ScheduledPair& pair : *lower) {
            lowerDue[pair.key.textA] = pair.schedule.due;
        }
        const auto higher = store.ScheduledPairs(EveryDay, -1);
        ASSERT_TRUE(higher && higher->size() == lower->size());
        int sooner = 0;
        for (const ScheduledPair& pair : *higher) {
            const Day due = lowerDue.at(pair.key.textA);
            EXPECT_LE(pair.schedule.due, due) << pair.key.textA;
            sooner += pair.schedule.due < due ? 1 : 0;
        }
        EXPECT_GT(sooner, 0);
        lower = higher;
    }
}

TEST(MemoryStore, SettingsReadBackWithinTheirRangesOrAsTheirDefaults) {
    struct Case {
        const NumberSetting& setting;
        std::optional<std::string> kept;
        double value;
        // Whether the text would be taken from a learner.
        bool accepted;
    };
    const NumberSetting& retention = Setting::Retention;
    const NumberSetting& pairs = Setting::ReviewPairs;
    const Case cases[] = {
        {retention, std::nullopt, 0.9, false},
        {retention, "0.85", 0.85, true},
        {retention, "0.97", 0.97, true},
        {retention, "0.5", 0.7, false},
        {retention, "1e9", 0.97, false},
        {retention, "much", 0.9, false},
        {retention, "0.8x", 0.9, false},
        {retention, "nan", 0.9, false},
        {retention, "", 0.9, false},
        {pairs, std::nullopt, 60, false},
        {pairs, "40", 40, true},
        {pairs, "0", 1, false},
        {pairs, "12.6", 13, false},
        {pairs, "99999", 10000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.setting.key) + "=" + c.kept.value_or("(none)"));
        SettingTexts texts;
        if (c.kept) {
            texts.emplace(c.setting.key, *c.kept);
        }
        EXPECT_EQ(SettingValue(texts, c.setting), c.value);
        EXPECT_EQ(ParseSetting(c.setting, c.kept.value_or("")).has_value(), c.accepted);
    }
    // Through the database, a value out of range is kept at the end of its range.
    TempDir home;
    SqliteProgressStore store((home.path() / "progress.sqlite").string());
    EXPECT_EQ(ReadSetting(store, pairs), 60) << "nothing kept yet";
    ASSERT_TRUE(WriteSetting(store, pairs, 25) && WriteSetting(store, retention, 0.99));
    EXPECT_EQ(std::tuple(ReadSetting(store, pairs), ReadSetting(store, retention)),
              std::tuple(std::optional(25.0), std::optional(0.97)));
    EXPECT_EQ(SettingNamed("review_pairs"), &Setting::Numbers[1]);
    EXPECT_EQ(SettingNamed("colour"), nullptr);
}

TEST(StoredMemory, AFitRunsByItselfAMonthAfterTheLastOneWith64NewReviewsToPredict) {
    RecordedStore recorded;
    const auto log = recorded.store.ReviewLog();
    ASSERT_TRUE(log);
    const auto items = static_cast<std::int64_t>(MemoryItems(*log).Items().size());
    ASSERT_GT(items, 64);
    const std::int64_t now = NoonOf(std::chrono::year(2027) / 6 / 1);
    const std::int64_t day = 24 * 60 * 60;
    struct Case {
        const char* name;
        std::int64_t fittedDaysAgo;
        std::int64_t itemsThen;
        bool due;
    };
    // One after another: each fit is the last one for the cases after it.
    const Case cases[] = {
        {"a month ago, with none of today's reviews", 30, 0, true},
        {"a month ago, 64 reviews to predict since", 30, items - 64, true},
        {"a month ago, 63 reviews to predict since", 30, items - 63, false},
        {"29 days ago", 29, 0, false},
    };
    EXPECT_EQ(AutomaticFitDue(recorded.store, now), true) << "never fitted";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(
            recorded.store.KeepFit(FitOf(Fitted, false, c.itemsThen), now - c.fittedDaysAgo * day));
        EXPECT_EQ(AutomaticFitDue(recorded.store, now), c.due);
    }
    RecordedStore few(std::vector<ReviewRecord>(log->begin(), log->begin() + 20));
    EXPECT_EQ(AutomaticFitDue(few.store, now), false) << "too few reviews to fit";
    SqliteProgressStore nowhere("");
    EXPECT_FALSE(AutomaticFitDue(nowhere, now));
}

TEST(StoredMemory, AFitThatIsStoppedOrADryRunKeepsNothingAndABetterOneIsAdopted) {
    RecordedStore recorded;
    SqliteProgressStore& store = recorded.store;
    const std::vector<std::string> written = LoggedRows(recorded.path);
    int calls = 0;
    const StoredLogFit stopped =
        FitStoredLog(store, 1000, true, [&](std::int64_t, std::int64_t) { return ++calls < 3; });
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(stopped.fit || stopped.problem);
    const StoredLogFit dry = FitStoredLog(store, 1000, false);
    ASSERT_TRUE(dry.fit);
    EXPECT_FALSE(dry.adopted);
    EXPECT_FALSE(store.Fits()->latest);
    EXPECT_EQ(LoggedRows(recorded.path), written);

    const StoredLogFit kept = FitStoredLog(store, 1000, true);
    ASSERT_TRUE(kept.fit);
    EXPECT_EQ(kept.adopted, kept.fit->Better());
    EXPECT_EQ(kept.fit->weights, dry.fit->weights);
    const auto fits = store.Fits();
    ASSERT_TRUE(fits && fits->latest);
    EXPECT_EQ(std::tuple(fits->latest->weights, fits->latest->items, fits->latest->adopted),
              std::tuple(kept.fit->weights, kept.fit->items, kept.adopted));
    ExpectTheLogReplayed(recorded, {kept.adopted ? kept.fit->weights : DefaultWeights, 0.9});

    SqliteProgressStore nowhere("");
    const StoredLogFit failed = FitStoredLog(nowhere, 1000, true);
    EXPECT_FALSE(failed.fit);
    ASSERT_TRUE(failed.problem);
    EXPECT_NE(EnglishText(*failed.problem).find("no folder"), std::string::npos);
}

TEST(StoredMemory, TheReviewsADayAsARetentionWouldAskForThemGrowWithIt) {
    RecordedStore recorded;
    const Day after = std::chrono::year(2027) / 2 / 1;
    double previous = 0;
    for (const double retention : {0.7, 0.8, 0.9, 0.97}) {
        SCOPED_TRACE(retention);
        const std::optional<double> perDay =
            ExpectedReviewsPerDayAt(recorded.store, after, retention);
        ASSERT_TRUE(perDay);
        EXPECT_GT(*perDay, previous);
        previous = *perDay;
    }
    SqliteProgressStore nowhere("");
    EXPECT_FALSE(ExpectedReviewsPerDayAt(nowhere, after, 0.9));
}

} // namespace
