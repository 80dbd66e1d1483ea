#include "learning/review_file.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <unordered_map>

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A pair written in double quotes, with "" for a quote inside.
std::string Unquoted(std::string_view pair) {
    if (pair.size() < 2 || pair.front() != '"' || pair.back() != '"') {
        return std::string(pair);
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < pair.size(); ++i) {
        text += pair[i];
        if (pair[i] == '"' && pair[i + 1] == '"') {
            ++i;
        }
    }
    return text;
}

bool IsHeader(std::string_view line) {
    constexpr std::string_view header = "pair,date,rating";
    if (line.size() != header.size()) {
        return false;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (static_cast<char>(line[i] | 0x20) != header[i]) {
            return false;
        }
    }
    return true;
}

class ReviewLines {
public:
    // False when the line is wrong; problem() says how.
    bool Add(std::string_view line, std::int64_t number) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.remove_prefix(3);
        }
        if (Trimmed(line).empty() || (number == 1 && IsHeader(Trimmed(line)))) {
            return true;
        }
        const std::string lineText = std::to_string(number);
        // The pair may hold commas: the rating and the date are the last two columns.
        const std::size_t ratingComma = line.rfind(',');
        const std::size_t dateComma = ratingComma == std::string_view::npos || ratingComma == 0
                                          ? std::string_view::npos
                                          : line.rfind(',', ratingComma - 1);
        const std::string_view pair = dateComma == std::string_view::npos
                                          ? std::string_view()
                                          : Trimmed(line.substr(0, dateComma));
        if (pair.empty()) {
            return Fail({GT_TEXT("Message", "Line %1 does not have the three columns pair, date "
                                            "and rating."),
                         {lineText}});
        }
        const std::string_view dateText =
            Trimmed(line.substr(dateComma + 1, ratingComma - dateComma - 1));
        const std::string_view rating = Trimmed(line.substr(ratingComma + 1));
        const std::optional<Day> day = ParseDay(dateText);
        if (!day) {
            return Fail({GT_TEXT("Message", "Line %1: the date \"%2\" is not written YYYY-MM-DD."),
                         {lineText, std::string(dateText)}});
        }
        if (rating.size() != 1 || rating[0] < '1' || rating[0] > '4') {
            return Fail({GT_TEXT("Message", "Line %1: the rating \"%2\" is not 1, 2, 3 or 4."),
                         {lineText, std::string(rating)}});
        }
        ReviewRecord record{Unquoted(pair), *day, static_cast<Grade>(rating[0] - '0')};
        const auto [last, first] = lastReview_.try_emplace(record.pair, number, *day);
        if (!first) {
            if (*day < last->second.second) {
                return Fail({GT_TEXT("Message", "Line %1: %2 is dated %3, before its review on "
                                                "line %4."),
                             {lineText, record.pair, std::string(dateText),
                              std::to_string(last->second.first)}});
            }
            last->second = {number, *day};
        }
        reviews_.push_back(std::move(record));
        return true;
    }

    bool Fail(Message message) {
        problem_ = std::move(message);
        return false;
    }

    ReviewFile Result() && { return {std::move(reviews_), std::move(problem_)}; }

private:
    std::vector<ReviewRecord> reviews_;
    // Each pair's latest review: its line and day.
    std::unordered_map<std::string, std::pair<std::int64_t, Day>> lastReview_;
    std::optional<Message> problem_;
};

} // namespace

ReviewFile ParseReviewFile(std::istream& in) {
    ReviewLines lines;
    std::string line;
    for (std::int64_t number = 1; std::getline(in, line); ++number) {
        if (number > MaxReviewFileLines) {
            lines.Fail({GT_TEXT("Message", "The file has more than %1 lines, more than a review "
                                           "file may have."),
                        {std::to_string(MaxReviewFileLines)}});
            break;
        }
        if (!lines.Add(line, number)) {
            break;
        }
    }
    return std::move(lines).Result();
}

ReviewFile ReadReviewFile(const std::string& path) {
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(path, unknown);
    if (!unknown && size > MaxReviewFileBytes) {
        return {{},
                Message{GT_TEXT("Message", "The file is larger than %1 MB, more than a review file "
                                           "may be."),
                        {std::to_string(MaxReviewFileBytes >> 20)}}};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, unknown)) {
        return {{}, Message{GT_TEXT("Message", "cannot read %1"), {path}}};
    }
    return ParseReviewFile(in);
}
