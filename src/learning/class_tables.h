#pragma once

#include "learning/class_results.h"

#include <optional>
#include <string>
#include <vector>

// A table as rows of cells, ready for a spreadsheet file or a printed page.
using TextRows = std::vector<std::vector<std::string>>;

// A chance as a whole percentage, "62%"; empty for none.
std::string PercentText(std::optional<double> chance);

// Per pair, hardest first: word, translation, learners, missed, mean recall today, and the
// learners who find it hardest (", " between them).
TextRows ClassPairRows(const ClassResults& results);

// Per learner: name, pairs seen, due, mature, and the last day of practice (YYYY-MM-DD).
TextRows ClassLearnerRows(const ClassResults& results);

// The rows as a spreadsheet's CSV, CR LF after each; a cell is quoted when it holds a comma,
// a quote or a line break.
std::string CsvText(const TextRows& rows);
