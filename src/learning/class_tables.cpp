#include "learning/class_tables.h"

#include <cmath>

std::string PercentText(std::optional<double> chance) {
    return chance ? std::to_string(std::lround(*chance * 100)) + "%" : std::string();
}

TextRows ClassPairRows(const ClassResults& results) {
    TextRows rows;
    rows.reserve(results.pairs.size());
    for (const ClassPair& pair : results.pairs) {
        std::string learners;
        for (const std::string& learner : pair.hardestFor) {
            learners += (learners.empty() ? "" : ", ") + learner;
        }
        rows.push_back({pair.word, pair.translation, std::to_string(pair.learners),
                        std::to_string(pair.missed), PercentText(pair.meanRecall), learners});
    }
    return rows;
}

TextRows ClassLearnerRows(const ClassResults& results) {
    TextRows rows;
    rows.reserve(results.learners.size());
    for (const ClassLearner& learner : results.learners) {
        rows.push_back({learner.name, std::to_string(learner.seen), std::to_string(learner.due),
                        std::to_string(learner.mature),
                        learner.lastPractice ? DayText(*learner.lastPractice) : std::string()});
    }
    return rows;
}

std::string CsvText(const TextRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string& cell = row[i];
            if (i > 0) {
                text += ',';
            }
            if (cell.find_first_of(",\"\r\n") == std::string::npos) {
                text += cell;
                continue;
            }
            text += '"';
            for (const char c : cell) {
                text += c == '"' ? std::string("\"\"") : std::string(1, c);
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}
