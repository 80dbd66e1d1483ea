#pragma once

#include "learning/learner_results.h"
#include "words/message.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A learner's results as a file of their own: JSON, UTF-8, with a format name and a version.
inline constexpr const char* ResultsFormat = "glossatiles-results";
inline constexpr int ResultsVersion = 1;

// What a results file may hold; it comes from another machine and is refused beyond these.
inline constexpr std::size_t MaxResultsPairs = 50'000;
inline constexpr std::uintmax_t MaxResultsFileBytes = std::uintmax_t{10} << 20;
inline constexpr std::int64_t MaxResultsCount = 1'000'000'000;
inline constexpr std::size_t MaxLearnerNameBytes = 200;

// The file's bytes, one pair a line.
std::string ResultsFileText(const LearnerResults& results);

// The results, or why the bytes are none that this program can read: not JSON, another format
// or a newer version, a number out of range, too many pairs, a name with control characters,
// a pair twice.
struct ResultsReading {
    LearnerResults results;
    std::optional<Message> problem;
};
ResultsReading ParseResultsFile(std::string_view bytes);

// Why `name` cannot name a learner (control characters, too long), if it cannot.
std::optional<Message> LearnerNameProblem(std::string_view name);
