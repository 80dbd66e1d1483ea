#pragma once

#include "learning/review_record.h"
#include "words/message.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// A review log in a file of its own, one review a line: "pair,date,rating", the pair any text
// (commas and all; double quotes round it are dropped), the date YYYY-MM-DD and the rating 1
// (Again) to 4 (Easy). A first line "pair,date,rating" is a header; blank lines are skipped.
// Each pair's reviews come in order of time.
inline constexpr std::int64_t MaxReviewFileLines = 5'000'000;
inline constexpr std::uintmax_t MaxReviewFileBytes = std::uintmax_t{256} << 20;

// The reviews, or what is wrong with the file: the first bad line is named.
struct ReviewFile {
    std::vector<ReviewRecord> reviews;
    std::optional<Message> problem;
};

ReviewFile ParseReviewFile(std::istream& in);
// A file too large is refused before it is read.
ReviewFile ReadReviewFile(const std::string& path);
