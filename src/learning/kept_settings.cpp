#include "learning/kept_settings.h"

#include "learning/sqlite_handles.h"

#include <charconv>

namespace {

// "[w0, w1, …, w20]", each as short as reads back the same: a JSON array, which SQLite's
// json functions can take apart.
std::string WeightsText(const MemoryWeights& weights) {
    std::string text = "[";
    for (const double weight : weights) {
        char number[32];
        const auto [end, error] = std::to_chars(number, number + sizeof number, weight);
        text += (text.size() > 1 ? ", " : "") + std::string(number, end);
    }
    return text + "]";
}

// Weights that cannot be read back schedule as the defaults do.
MemoryWeights ParseWeights(std::string_view text) {
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') {
        return DefaultWeights;
    }
    MemoryWeights weights{};
    const char* at = text.data() + 1;
    const char* const end = text.data() + text.size() - 1;
    for (std::size_t i = 0; i < WeightCount; ++i) {
        while (at < end && (*at == ' ' || (i > 0 && *at == ','))) {
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, weights[i]);
        if (error != std::errc()) {
            return DefaultWeights;
        }
        at = next;
    }
    return at == end ? ClippedWeights(weights) : DefaultWeights;
}

std::optional<PredictionScore> ScoreAt(sqlite3_stmt* row, int column) {
    if (sqlite3_column_type(row, column) == SQLITE_NULL ||
        sqlite3_column_type(row, column + 1) == SQLITE_NULL) {
        return std::nullopt;
    }
    return PredictionScore{sqlite3_column_double(row, column),
                           sqlite3_column_double(row, column + 1)};
}

void BindScore(sqlite3_stmt* statement, int index, const std::optional<PredictionScore>& score) {
    if (score) {
        sqlite3_bind_double(statement, index, score->logLoss);
        sqlite3_bind_double(statement, index + 1, score->rmseBins);
    } else {
        sqlite3_bind_null(statement, index);
        sqlite3_bind_null(statement, index + 1);
    }
}

bool ReadFit(sqlite3* db, const char* which, std::optional<KeptFit>& fit) {
    const std::string select = "SELECT fitted_at, weights, reviews, items, log_loss_default, "
                               "rmse_bins_default, log_loss_fitted, rmse_bins_fitted, adopted "
                               "FROM memory_fits " +
                               std::string(which) + " ORDER BY id DESC LIMIT 1";
    return EachRow(
        db, select.c_str(), [](sqlite3_stmt*) {},
        [&](sqlite3_stmt* row) {
            fit = KeptFit{sqlite3_column_int64(row, 0),
                          ParseWeights(Text(row, 1)),
                          sqlite3_column_int64(row, 2),
                          sqlite3_column_int64(row, 3),
                          ScoreAt(row, 4),
                          ScoreAt(row, 6),
                          sqlite3_column_int(row, 8) != 0};
        });
}

} // namespace

bool ReadSettingTexts(sqlite3* db, SettingTexts& texts) {
    return EachRow(
        db, "SELECT key, value FROM settings", [](sqlite3_stmt*) {},
        [&](sqlite3_stmt* row) { texts.insert_or_assign(Text(row, 0), Text(row, 1)); });
}

bool WriteSettingText(sqlite3* db, std::string_view key, const std::string& text) {
    const Statement upsert = Prepare(db, "INSERT INTO settings (key, value) VALUES (?1, ?2) "
                                         "ON CONFLICT (key) DO UPDATE SET value = ?2");
    if (!upsert) {
        return false;
    }
    Bind(upsert.get(), 1, key);
    Bind(upsert.get(), 2, text);
    return sqlite3_step(upsert.get()) == SQLITE_DONE;
}

bool ReadKeptFits(sqlite3* db, KeptFits& fits) {
    return ReadFit(db, "", fits.latest) && ReadFit(db, "WHERE adopted = 1", fits.inUse);
}

bool InsertFit(sqlite3* db, const MemoryFit& fit, std::int64_t fittedAt, bool adopted) {
    const Statement insert =
        Prepare(db, "INSERT INTO memory_fits (fitted_at, weights, reviews, items, "
                    "log_loss_default, rmse_bins_default, log_loss_fitted, rmse_bins_fitted, "
                    "adopted) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    if (!insert) {
        return false;
    }
    sqlite3_bind_int64(insert.get(), 1, fittedAt);
    Bind(insert.get(), 2, WeightsText(fit.weights));
    sqlite3_bind_int64(insert.get(), 3, fit.reviews);
    sqlite3_bind_int64(insert.get(), 4, fit.items);
    BindScore(insert.get(), 5, fit.defaults);
    BindScore(insert.get(), 7, fit.fitted);
    sqlite3_bind_int(insert.get(), 9, adopted ? 1 : 0);
    return sqlite3_step(insert.get()) == SQLITE_DONE;
}

bool ReadReviewSettings(sqlite3* db, ReviewSettings& settings) {
    SettingTexts texts;
    KeptFits fits;
    if (!ReadSettingTexts(db, texts) || !ReadKeptFits(db, fits)) {
        return false;
    }
    settings = ReviewSettingsOf(texts, fits);
    return true;
}
