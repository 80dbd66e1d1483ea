#include "words/message.h"

#include <gtest/gtest.h>

namespace {

TEST(Message, PlacesAreFilledOnceWithTheArgumentsBytesAsTheyAre) {
    const struct {
        Message message;
        std::string english;
    } cases[] = {
        {{"Wrong: %1 is not %2's pair", {"perro", "cat"}}, "Wrong: perro is not cat's pair"},
        // An argument that looks like a place stays as it is.
        {{"Peek: %1 = %2", {"%2", "100%"}}, "Peek: %2 = 100%"},
        {{"50% of %1, %x%", {"caf\xe9"}}, "50% of caf\xe9, %x%"},
        {{"Missing: %3 and %1", {"a"}}, "Missing:  and a"},
        {{"Trailing %"}, "Trailing %"},
        {PluralMessage("%n rows of %1 were left out", "%n row of %1 was left out", 1, {"a.csv"}),
         "1 row of a.csv was left out"},
        {PluralMessage("%n rows of %1 were left out", "%n row of %1 was left out", 0, {"a.csv"}),
         "0 rows of a.csv were left out"},
        {PluralMessage("%n rows of %1 were left out", "%n row of %1 was left out", 3, {"a.csv"}),
         "3 rows of a.csv were left out"},
        // A nested message takes the places after the arguments, with its own arguments.
        {NestedMessage("Can't import %1\n%2", {"%2.csv"}, {{"Line %1 of %2", {"7"}}}),
         "Can't import %2.csv\nLine 7 of "},
        {NestedMessage("%2 then %1", {}, {{"A"}, {"B"}}), "B then A"},
    };
    for (const auto& [message, english] : cases) {
        EXPECT_EQ(EnglishText(message), english) << message.text;
    }
}

TEST(Message, NotesThatFollowAreSaidAfterASpace) {
    Message message("Correct: %1 = %2", {"chat", "cat"});
    message.followedBy.push_back(Message("No free pair left."));
    EXPECT_EQ(EnglishText(message), "Correct: chat = cat No free pair left.");
}

} // namespace
