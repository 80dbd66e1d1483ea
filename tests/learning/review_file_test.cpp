#include "learning/review_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

std::string Parsed(const std::string& text) {
    std::istringstream in(text);
    const ReviewFile file = ParseReviewFile(in);
    if (file.problem) {
        return EnglishText(*file.problem);
    }
    std::string reviews;
    for (const ReviewRecord& review : file.reviews) {
        reviews += "[" + review.pair + "] " + DayText(review.day) + " " +
                   std::to_string(static_cast<int>(review.grade)) + "\n";
    }
    return reviews;
}

TEST(ReviewFile, ReadsReviewsAndNamesTheFirstBadLine) {
    struct Case {
        const char* name;
        std::string text;
        std::string read;
    };
    const Case cases[] = {
        {"plain", "chat,2026-12-01,3\nchat,2026-12-04,1\n",
         "[chat] 2026-12-01 3\n[chat] 2026-12-04 1\n"},
        {"a header, a byte-order mark, CRLF, blanks and spaces",
         "\xEF\xBB\xBFPair,Date,Rating\r\n\r\n  chat , 2026-12-01 , 4 \r\n   \n",
         "[chat] 2026-12-01 4\n"},
        {"a pair with commas, bare or quoted",
         "le chat, noir,2026-12-01,2\n\"dog, \"\"black\"\"\",2026-12-01,1\n",
         "[le chat, noir] 2026-12-01 2\n[dog, \"black\"] 2026-12-01 1\n"},
        {"pairs interleaved, each in order, two on one day",
         "a,2026-12-03,3\nb,2026-12-01,3\na,2026-12-03,1\nb,2026-12-02,3\n",
         "[a] 2026-12-03 3\n[b] 2026-12-01 3\n[a] 2026-12-03 1\n[b] 2026-12-02 3\n"},
        {"a rating outside 1 to 4", "a,2026-12-01,3\na,2026-12-02,5\n",
         "Line 2: the rating \"5\" is not 1, 2, 3 or 4."},
        {"a rating that is not a whole number", "a,2026-12-01,3.0\n",
         "Line 1: the rating \"3.0\" is not 1, 2, 3 or 4."},
        {"no rating", "a,2026-12-01,\n", "Line 1: the rating \"\" is not 1, 2, 3 or 4."},
        {"a date out of order within a pair", "a,2026-12-05,3\nb,2026-12-01,3\n\na,2026-12-04,3\n",
         "Line 4: a is dated 2026-12-04, before its review on line 1."},
        {"a date written otherwise", "a,12/01/2026,3\n",
         "Line 1: the date \"12/01/2026\" is not written YYYY-MM-DD."},
        {"a day that does not exist", "a,2026-02-30,3\n",
         "Line 1: the date \"2026-02-30\" is not written YYYY-MM-DD."},
        {"a missing column", "a,2026-12-01,3\n2026-12-02,3\n",
         "Line 2 does not have the three columns pair, date and rating."},
        {"an empty pair", " ,2026-12-02,3\n",
         "Line 1 does not have the three columns pair, date and rating."},
        {"a header anywhere but first", "a,2026-12-01,3\npair,date,rating\n",
         "Line 2: the date \"date\" is not written YYYY-MM-DD."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Parsed(c.text), c.read);
    }
}

TEST(ReviewFile, AFileTooLongOrTooLargeIsRefusedBeforeItIsReadWhole) {
    EXPECT_EQ(Parsed(std::string(MaxReviewFileLines, '\n') + "a,2026-12-01,3\n"),
              "The file has more than 5000000 lines, more than a review file may have.");
    EXPECT_EQ(Parsed(std::string(MaxReviewFileLines - 1, '\n') + "a,2026-12-01,3\n"),
              "[a] 2026-12-01 3\n");
    const TempDir dir;
    const std::string large = dir.Write("large.csv", "a,2026-12-01,3\n");
    std::filesystem::resize_file(large, MaxReviewFileBytes + 1);
    const ReviewFile file = ReadReviewFile(large);
    ASSERT_TRUE(file.problem);
    EXPECT_EQ(EnglishText(*file.problem),
              "The file is larger than 256 MB, more than a review file may be.");
    EXPECT_EQ(EnglishText(*ReadReviewFile((dir.path() / "none.csv").string()).problem),
              "cannot read " + (dir.path() / "none.csv").string());
    EXPECT_TRUE(ReadReviewFile(dir.path().string()).problem);
}

} // namespace
