#include "cli/cli_options.h"

#include <charconv>

namespace {
std::optional<std::uint32_t> ParseSeed(const std::string& text) {
    std::uint32_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, seed);
    if (error != std::errc() || at != end || text.empty()) {
        return std::nullopt;
    }
    return seed;
}
} // namespace

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--seed" && hasValue) {
            options.seed = ParseSeed(arguments[++i]);
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
    // A worksheet needs its layout, and a layout its worksheet.
    const bool worksheetIncomplete = options.worksheetTo.has_value() != options.layout.has_value();
    if ((!haveFile && !options.help && !options.version) || (options.progress && plays) ||
        worksheetIncomplete) {
        return std::nullopt;
    }
    return options;
}
