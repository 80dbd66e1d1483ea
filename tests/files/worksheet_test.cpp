#include "files/worksheet.h"
#include "support/games.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string LineText(const WorksheetLine& line) {
    return line.word.value_or("_") + "=" + line.translation.value_or("_");
}

TEST(Worksheet, ListKeepsTheOrderAndBothWords) {
    const Worksheet sheet =
        MakeWorksheet("Animals", {{"chat", "cat"}, {"chien", "dog"}}, {WorksheetLayout::List});
    EXPECT_EQ(sheet.title, "Animals");
    ASSERT_EQ(sheet.lines.size(), 2u);
    EXPECT_EQ(LineText(sheet.lines[0]) + " " + LineText(sheet.lines[1]), "chat=cat chien=dog");
    EXPECT_TRUE(sheet.answers.empty());
    EXPECT_TRUE(sheet.cards.empty());
}

TEST(Worksheet, TestShufflesBySeedLeavesTheChosenColumnBlankAndKeepsTheAnswers) {
    const WordPairList pairs = NumberedPairs(40);
    const auto test = [&](BlankColumn blank, std::uint32_t seed) {
        return MakeWorksheet("", pairs, {WorksheetLayout::Test, blank, seed});
    };
    const Worksheet mixed = test(BlankColumn::Mixed, 7);
    std::set<std::string> answers;
    int blankWords = 0;
    for (std::size_t i = 0; i < mixed.lines.size(); ++i) {
        const WorksheetLine& line = mixed.lines[i];
        const WorksheetLine& answer = mixed.answers[i];
        // Exactly one side is blank, and the key fills it with that row's pair.
        EXPECT_NE(line.word.has_value(), line.translation.has_value());
        EXPECT_EQ(answer.word->substr(1), answer.translation->substr(1));
        EXPECT_EQ(line.word.value_or(*answer.word), *answer.word);
        EXPECT_EQ(line.translation.value_or(*answer.translation), *answer.translation);
        answers.insert(LineText(answer));
        blankWords += !line.word;
    }
    EXPECT_EQ(answers.size(), pairs.size());
    EXPECT_GT(blankWords, 5);
    EXPECT_LT(blankWords, 35);
    EXPECT_NE(LineText(mixed.answers[0]) + LineText(mixed.answers[1]), "a0=b0a1=b1");

    const auto order = [](const Worksheet& sheet) {
        std::string text;
        for (const WorksheetLine& line : sheet.lines) {
            text += LineText(line) + " ";
        }
        return text;
    };
    EXPECT_EQ(order(test(BlankColumn::Mixed, 7)), order(mixed));
    EXPECT_NE(order(test(BlankColumn::Mixed, 8)), order(mixed));
    for (const WorksheetLine& line : test(BlankColumn::Words, 3).lines) {
        EXPECT_TRUE(!line.word && line.translation);
    }
    for (const WorksheetLine& line : test(BlankColumn::Translations, 3).lines) {
        EXPECT_TRUE(line.word && !line.translation);
    }
}

TEST(Worksheet, CardBacksStandBehindTheirFronts) {
    const Worksheet sheet = MakeWorksheet("", NumberedPairs(11), {WorksheetLayout::Cards});
    ASSERT_EQ(sheet.cards.size(), 2u);
    EXPECT_EQ(MirroredCardPlace(0), 1);
    EXPECT_EQ(MirroredCardPlace(5), 4);
    for (std::size_t s = 0; s < sheet.cards.size(); ++s) {
        for (int place = 0; place < CardsPerSheet; ++place) {
            const std::string& front = sheet.cards[s].fronts[static_cast<std::size_t>(place)];
            const std::string& back =
                sheet.cards[s].backs[static_cast<std::size_t>(MirroredCardPlace(place))];
            const std::size_t pair = s * CardsPerSheet + static_cast<std::size_t>(place);
            EXPECT_EQ(front + "/" + back,
                      pair < 11 ? "a" + std::to_string(pair) + "/b" + std::to_string(pair) : "/");
        }
    }
    EXPECT_EQ(WorksheetLayoutNamed("cards"), WorksheetLayout::Cards);
    EXPECT_EQ(WorksheetLayoutNamed("Cards"), std::nullopt);
}

} // namespace
