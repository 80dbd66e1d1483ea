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

std::string RoundSummaryText(const RoundSummary& summary) {
    return "pairs: " + std::to_string(summary.pairs) +
           "\nright-first-try: " + std::to_string(summary.rightFirstTry) +
           "\nright-after-retry: " + std::to_string(summary.rightAfterRetry) +
           "\nwrong: " + std::to_string(summary.wrong) + "\ntime: " + Duration(summary.seconds) +
           "\n";
}
