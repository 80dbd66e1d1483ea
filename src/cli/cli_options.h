#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CliOptions {
    std::optional<std::uint32_t> seed;
    bool unblocked = false;
    bool autoFinish = false;
    std::optional<std::string> saveTo;
    std::optional<std::string> exportTo;
    std::string file;
};

inline constexpr const char* CliUsage =
    "usage: glossatiles-cli [--seed N] [--unblocked] [--auto-finish] [--save OUT]\n"
    "                       [--export OUT.txt|OUT.tsv|OUT.csv] FILE\n";

// nullopt for a usage error.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments);
