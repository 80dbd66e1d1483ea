#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CliOptions {
    std::optional<std::uint32_t> seed;
    bool unblocked = false;
    bool autoFinish = false;
    // Print the list's history from the progress database instead of the summary.
    bool progress = false;
    std::optional<std::string> saveTo;
    std::string file;
};

inline constexpr const char* CliUsage =
    "usage: glossatiles-cli [--seed N] [--unblocked] [--auto-finish] [--save OUT] FILE\n"
    "       glossatiles-cli --progress FILE\n";

// nullopt for a usage error.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments);
