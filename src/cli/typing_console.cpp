#include "cli/typing_console.h"

#include "cli/message_language.h"
#include "cli/round_console.h"

#include <ctime>

namespace {

std::string Marked(const std::string& answer, const std::string& closest) {
    std::string marked;
    for (const AnswerRun& run : MarkAnswer(answer, closest)) {
        marked += run.differs ? "[" + run.text + "]" : run.text;
    }
    return marked;
}

} // namespace

Message VerdictMessage(const AnswerCheck& check, const std::string& expected) {
    switch (check.verdict) {
    case AnswerVerdict::Right:
        return {GT_TEXT("Message", "Right: %1"), {expected}};
    case AnswerVerdict::RightButAccents:
        return {GT_TEXT("Message", "Mind the accents: %1"), {check.closest}};
    case AnswerVerdict::Almost:
        return {GT_TEXT("Message", "Almost: %1"), {check.closest}};
    case AnswerVerdict::Wrong:
        break;
    }
    return {GT_TEXT("Message", "Wrong: %1"), {expected}};
}

void PlayTypingRound(TypingRound& round, std::istream& in, std::ostream& out,
                     std::string_view language) {
    std::string answer;
    while (!round.Over()) {
        PrintQuestion(round, "ask: ", out);
        out << std::flush;
        if (!ReadLine(in, answer)) {
            break;
        }
        const std::string expected = round.Expected();
        const std::string note = round.NoteNow();
        const AnswerCheck check = round.Answer(answer, std::time(nullptr));
        out << "verdict: " << LocalizedText(VerdictMessage(check, expected), language) << '\n';
        if (check.verdict != AnswerVerdict::Right) {
            out << "typed: " << Marked(answer, check.closest) << '\n';
        }
        PrintNote(note, out);
    }
    round.End(std::time(nullptr));
}
