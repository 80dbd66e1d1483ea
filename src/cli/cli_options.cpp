#include "cli/cli_options.h"

#include "learning/calendar_day.h"

#include <charconv>

namespace {
std::optional<std::uint32_t> ParseNumber(const std::string& text) {
    std::uint32_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, seed);
    if (error != std::errc() || at != end || text.empty()) {
        return std::nullopt;
    }
    return seed;
}

// "W,T" or "W,T,N", each counted from 1.
std::optional<ColumnPair> ParseColumns(const std::string& text) {
    std::vector<std::size_t> columns;
    for (std::size_t at = 0; at <= text.size() && columns.size() < 4;) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::optional<std::uint32_t> column = ParseNumber(text.substr(at, comma - at));
        if (!column || *column == 0) {
            return std::nullopt;
        }
        columns.push_back(*column - 1u);
        at = comma + 1;
    }
    if (columns.size() != 2 && columns.size() != 3) {
        return std::nullopt;
    }
    return ColumnPair{columns[0], columns[1],
                      columns.size() == 3 ? std::optional(columns[2]) : std::nullopt};
}

std::optional<RoundDirection> ParseDirection(const std::string& text) {
    const std::pair<const char*, RoundDirection> names[] = {{"forward", RoundDirection::Forward},
                                                            {"backward", RoundDirection::Backward},
                                                            {"mixed", RoundDirection::Mixed},
                                                            {"listen", RoundDirection::Listen}};
    for (const auto& [name, direction] : names) {
        if (text == name) {
            return direction;
        }
    }
    return std::nullopt;
}
} // namespace

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--seed" && hasValue) {
            options.seed = ParseNumber(arguments[++i]);
            if (!options.seed) {
                return std::nullopt;
            }
        } else if (argument == "--save" && hasValue) {
            options.saveTo = arguments[++i];
        } else if (argument == "--export" && hasValue) {
            options.exportTo = arguments[++i];
        } else if (argument == "--worksheet" && hasValue) {
            options.worksheetTo = arguments[++i];
        } else if (argument == "--layout" && hasValue) {
            options.layout = WorksheetLayoutNamed(arguments[++i]);
            if (!options.layout) {
                return std::nullopt;
            }
        } else if (argument == "--columns" && hasValue) {
            options.import.columns = ParseColumns(arguments[++i]);
            if (!options.import.columns) {
                return std::nullopt;
            }
        } else if (argument == "--header-row") {
            options.import.headerRow = true;
        } else if (argument == "--direction" && hasValue) {
            options.direction = ParseDirection(arguments[++i]);
            if (!options.direction) {
                return std::nullopt;
            }
        } else if (argument == "--type") {
            options.type = true;
        } else if (argument == "--on" && hasValue) {
            options.dueOn = arguments[++i];
        } else if (argument == "--fit") {
            options.fit = true;
        } else if (argument == "--reviews" && hasValue) {
            options.reviewsFrom = arguments[++i];
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--due") {
            options.due = true;
        } else if (argument == "--all") {
            options.allDue = true;
        } else if (argument == "--unblocked") {
            options.unblocked = true;
        } else if (argument == "--progress") {
            options.progress = true;
        } else if (argument == "--auto-finish") {
            options.autoFinish = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--") {
            if (haveFile || i + 2 != arguments.size()) {
                return std::nullopt;
            }
            options.file = arguments[++i];
            haveFile = true;
        } else if (!argument.starts_with("-") && !haveFile) {
            options.file = argument;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    // The history is read, not played: no deal options go with it.
    const bool plays = options.seed || options.unblocked || options.autoFinish || options.saveTo;
    // A typing round asks for words instead of playing the board.
    const bool board = options.unblocked || options.autoFinish || options.saveTo ||
                       options.exportTo || options.worksheetTo;
    const bool typeClash = options.type && (board || options.progress);
    const bool dueOptions = options.dueOn || options.allDue;
    if (options.fit) {
        // Only a review file can be fitted to so far, and nothing else goes with it.
        const bool valid = options.reviewsFrom && !haveFile && !plays && !options.progress &&
                           !options.exportTo && !options.worksheetTo && !options.layout &&
                           !options.type && !options.due && !dueOptions && !options.direction;
        return valid ? std::optional(options) : std::nullopt;
    }
    if (options.reviewsFrom || options.dryRun) {
        return std::nullopt;
    }
    if (options.due) {
        // The schedule covers every list: no file, no other action.
        const bool valid = !haveFile && !plays && !options.progress && !options.exportTo &&
                           !options.worksheetTo && !options.layout && !options.type &&
                           !(options.dueOn && options.allDue) &&
                           (!options.dueOn || ParseDay(*options.dueOn));
        return valid ? std::optional(options) : std::nullopt;
    }
    // A worksheet needs its layout, and a layout its worksheet.
    const bool worksheetIncomplete = options.worksheetTo.has_value() != options.layout.has_value();
    if ((!haveFile && !options.help && !options.version) || (options.progress && plays) ||
        worksheetIncomplete || dueOptions || typeClash || (options.direction && !options.type)) {
        return std::nullopt;
    }
    return options;
}
