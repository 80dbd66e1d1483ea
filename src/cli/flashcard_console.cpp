#include "cli/flashcard_console.h"

#include "cli/message_language.h"
#include "cli/round_console.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <optional>

namespace {

constexpr Grade Grades[] = {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy};
constexpr const char* GradeNames[] = {"again", "hard", "good", "easy"};

std::optional<Grade> GradeNamed(std::string line) {
    std::erase_if(line, [](unsigned char c) { return std::isspace(c) != 0; });
    std::ranges::transform(line, line.begin(), [](unsigned char c) { return std::tolower(c); });
    for (std::size_t i = 0; i < std::size(Grades); ++i) {
        if (line == GradeNames[i] || line == std::to_string(i + 1)) {
            return Grades[i];
        }
    }
    return std::nullopt;
}

Message GradeVerdict(Grade grade, const std::string& back) {
    switch (grade) {
    case Grade::Again:
        return {GT_TEXT("Message", "Again: %1"), {back}};
    case Grade::Hard:
        return {GT_TEXT("Message", "Hard: %1"), {back}};
    case Grade::Good:
        break;
    case Grade::Easy:
        return {GT_TEXT("Message", "Easy: %1"), {back}};
    }
    return {GT_TEXT("Message", "Good: %1"), {back}};
}

// "1 Again · 1 day, 2 Hard · 3 days, …".
std::string GradesLine(const FlashcardRound& round, std::string_view language) {
    const std::array<int, 4> days = round.Intervals();
    std::string line;
    for (std::size_t i = 0; i < std::size(Grades); ++i) {
        line += (i > 0 ? ", " : "") + std::to_string(i + 1) + " " +
                LocalizedText(IntervalLabel(Grades[i], days[i]), language);
    }
    return line;
}

} // namespace

void PlayFlashcardRound(FlashcardRound& round, std::istream& in, std::ostream& out,
                        std::string_view language) {
    std::string line;
    while (!round.Over()) {
        PrintQuestion(round, "front: ", out);
        out << std::flush;
        if (!ReadLine(in, line)) {
            break;
        }
        round.Turn();
        out << "back: " << round.Expected() << '\n';
        PrintNote(round.NoteNow(), out);
        const auto askGrade = [&] {
            out << "grades: " << GradesLine(round, language) << '\n' << std::flush;
        };
        askGrade();
        const Reply<Grade> reply = ReadReply<Grade>(in, GradeNamed, askGrade);
        if (reply.ended) {
            break;
        }
        const Grade grade = reply.answer.value_or(Grade::Again);
        const std::string back = round.Expected();
        round.GradeCard(grade, std::time(nullptr));
        out << "verdict: " << LocalizedText(GradeVerdict(grade, back), language) << '\n';
    }
    round.End(std::time(nullptr));
}

std::string GradeCountsText(const RoundSummary& summary) {
    std::string text;
    for (std::size_t i = 0; i < std::size(GradeNames); ++i) {
        text += std::string(GradeNames[i]) + ": " + std::to_string(summary.grades[i]) + "\n";
    }
    return text;
}
