#pragma once

#include "support/temp_dir.h"

#include <map>
#include <string>
#include <vector>

struct CliRun {
    int status;
    std::map<std::string, std::string> summary;
    std::string errors;
};

// Runs the built glossatiles-cli with `arguments`, its output kept in `dir`.
CliRun RunCli(const TempDir& dir, const std::vector<std::string>& arguments);
