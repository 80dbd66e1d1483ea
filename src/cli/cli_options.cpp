#include "cli/cli_options.h"

#include "learning/calendar_day.h"
#include "learning/stored_settings.h"

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

std::optional<RoundKind> RoundNamed(const std::string& argument) {
    const std::pair<const char*, RoundKind> names[] = {{"--type", RoundKind::Typing},
                                                       {"--flashcards", RoundKind::Flashcards},
                                                       {"--choose", RoundKind::Choice}};
    for (const auto& [name, round] : names) {
        if (argument == name) {
            return round;
        }
    }
    return std::nullopt;
}

// "key=value", a setting's key and a value it allows.
std::optional<std::pair<std::string, double>> ParseSettingChange(const std::string& text) {
    const std::size_t equals = text.find('=');
    const NumberSetting* setting =
        equals == std::string::npos ? nullptr : SettingNamed(text.substr(0, equals));
    const std::optional<double> value =
        setting ? ParseSetting(*setting, std::string_view(text).substr(equals + 1)) : std::nullopt;
    return value ? std::optional(std::pair(text.substr(0, equals), *value)) : std::nullopt;
}
} // namespace

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::vector<std::string> files;
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
        } else if (const std::optional<RoundKind> round = RoundNamed(argument)) {
            if (options.round) {
                return std::nullopt;
            }
            options.round = round;
        } else if (argument == "--on" && hasValue) {
            options.dueOn = arguments[++i];
        } else if (argument == "--fit") {
            options.fit = true;
        } else if (argument == "--reviews" && hasValue) {
            options.reviewsFrom = arguments[++i];
        } else if (argument == "--results" && hasValue) {
            options.resultsTo = arguments[++i];
        } else if (argument == "--name" && hasValue) {
            options.learnerName = arguments[++i];
        } else if (argument == "--class") {
            options.classResults = true;
        } else if (argument == "--list" && hasValue) {
            options.classList = arguments[++i];
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--set" && hasValue) {
            const auto change = ParseSettingChange(arguments[++i]);
            if (!change) {
                return std::nullopt;
            }
            options.settings.push_back(*change);
        } else if (argument == "--settings") {
            options.showSettings = true;
        } else if (argument == "--due") {
            options.due = true;
        } else if (argument == "--stats") {
            options.stats = true;
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
            files.insert(files.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         arguments.end());
            break;
        } else if (!argument.starts_with("-")) {
            files.push_back(argument);
        } else {
            return std::nullopt;
        }
    }
    if (options.stats) {
        // The figures cover every list: nothing else goes with them.
        CliOptions alone;
        alone.stats = true;
        return arguments.size() == 1 ? std::optional(alone) : std::nullopt;
    }
    if (options.classResults) {
        // The class's files are read, nothing is opened or played.
        options.classFiles = std::move(files);
        const bool alone = !options.seed && !options.unblocked && !options.autoFinish &&
                           !options.saveTo && !options.exportTo && !options.worksheetTo &&
                           !options.layout && !options.progress && !options.round &&
                           !options.direction && !options.fit && !options.reviewsFrom &&
                           !options.dryRun && !options.due && !options.dueOn && !options.allDue &&
                           !options.resultsTo && !options.learnerName && !options.showSettings &&
                           options.settings.empty();
        return alone && !options.classFiles.empty() ? std::optional(options) : std::nullopt;
    }
    if (options.classList || files.size() > 1 || (options.learnerName && !options.resultsTo)) {
        return std::nullopt;
    }
    const bool haveFile = files.size() == 1;
    if (haveFile) {
        options.file = files.front();
    }
    // The history is read, not played: no deal options go with it.
    const bool plays = options.seed || options.unblocked || options.autoFinish || options.saveTo;
    // A round asks for words instead of playing the board.
    const bool board = options.unblocked || options.autoFinish || options.saveTo ||
                       options.exportTo || options.worksheetTo;
    const bool roundClash = options.round && (board || options.progress);
    // Results are read from the database, as the history is.
    const bool resultsClash =
        options.resultsTo && (plays || board || options.progress || options.round);
    const bool dueOptions = options.dueOn || options.allDue;
    const bool settings = options.showSettings || !options.settings.empty();
    if ((options.fit || options.due || settings) && options.resultsTo) {
        return std::nullopt;
    }
    // Nothing else goes with a fit, nor with the settings.
    const bool alone = !haveFile && !plays && !options.progress && !options.exportTo &&
                       !options.worksheetTo && !options.layout && !options.round && !options.due &&
                       !dueOptions && !options.direction;
    if (options.fit) {
        return alone && !settings ? std::optional(options) : std::nullopt;
    }
    if (settings) {
        return alone && !options.reviewsFrom && !options.dryRun ? std::optional(options)
                                                                : std::nullopt;
    }
    if (options.reviewsFrom || options.dryRun) {
        return std::nullopt;
    }
    if (options.due) {
        // The schedule covers every list: no file, no other action.
        const bool valid = !haveFile && !plays && !options.progress && !options.exportTo &&
                           !options.worksheetTo && !options.layout && !options.round &&
                           !(options.dueOn && options.allDue) &&
                           (!options.dueOn || ParseDay(*options.dueOn));
        return valid ? std::optional(options) : std::nullopt;
    }
    // A worksheet needs its layout, and a layout its worksheet.
    const bool worksheetIncomplete = options.worksheetTo.has_value() != options.layout.has_value();
    if ((!haveFile && !options.help && !options.version) || (options.progress && plays) ||
        worksheetIncomplete || dueOptions || roundClash || resultsClash ||
        (options.direction && !options.round)) {
        return std::nullopt;
    }
    return options;
}
