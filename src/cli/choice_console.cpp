#include "cli/choice_console.h"

#include "cli/message_language.h"
#include "cli/round_console.h"

#include <charconv>
#include <ctime>
#include <optional>

namespace {

// The answer a line names: its number, else its text as the player reads it.
std::optional<std::size_t> AnswerNamed(const std::vector<std::string>& answers,
                                       const std::string& line) {
    const std::string seen = SeenText(line);
    std::size_t number = 0;
    const char* end = seen.data() + seen.size();
    const auto [at, error] = std::from_chars(seen.data(), end, number);
    if (error == std::errc() && at == end && number >= 1 && number <= answers.size()) {
        return number - 1;
    }
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (SeenText(answers[i]) == seen) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

void PlayChoiceRound(ChoiceRound& round, std::istream& in, std::ostream& out,
                     std::string_view language) {
    while (!round.Over()) {
        const OfferedAnswers offered = round.Offered();
        const auto ask = [&] {
            PrintQuestion(round, "Question: ", out);
            for (std::size_t i = 0; i < offered.texts.size(); ++i) {
                out << i + 1 << ". " << offered.texts[i] << '\n';
            }
            out << std::flush;
        };
        ask();
        const Reply<std::size_t> reply = ReadReply<std::size_t>(
            in, [&](const std::string& line) { return AnswerNamed(offered.texts, line); }, ask);
        if (reply.ended) {
            break;
        }
        const std::string note = round.NoteNow();
        const ChoiceVerdict verdict =
            round.Choose(reply.answer.value_or(offered.texts.size()), std::time(nullptr));
        const Message message =
            verdict.right ? Message(GT_TEXT("Message", "Right: %1"), {verdict.answer})
                          : Message(GT_TEXT("Message", "Wrong: %1 (the answer: %2)"),
                                    {reply.answer ? verdict.chosen : reply.line, verdict.answer});
        out << "verdict: " << LocalizedText(message, language) << '\n';
        PrintNote(note, out);
    }
    round.End(std::time(nullptr));
}
