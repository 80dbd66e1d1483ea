#include "cli/round_console.h"

#include "learning/game_report.h"

bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    return true;
}

void PrintQuestion(const PracticeRound& round, const char* label, std::ostream& out) {
    if (round.Listens()) {
        // The file that would be played; the word itself would give the answer away.
        const std::string& sound = round.HeardSound();
        out << "play: " << (sound.empty() ? std::string("speech") : sound) << '\n';
        return;
    }
    out << label << round.Shown() << '\n';
    if (!round.ShownPicture().empty()) {
        out << "picture: " << round.ShownPicture() << '\n';
    }
}

void PrintNote(const std::string& note, std::ostream& out) {
    if (!note.empty()) {
        out << "note: " << note << '\n';
    }
}

std::string RoundSummaryText(const RoundSummary& summary) {
    return "pairs: " + std::to_string(summary.pairs) +
           "\nright-first-try: " + std::to_string(summary.rightFirstTry) +
           "\nright-after-retry: " + std::to_string(summary.rightAfterRetry) +
           "\nwrong: " + std::to_string(summary.wrong) + "\ntime: " + Duration(summary.seconds) +
           "\n";
}
