#pragma once

#include "support/temp_dir.h"

#include <cstdlib>
#include <initializer_list>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

struct CliRun {
    int status;
    std::map<std::string, std::string> summary;
    std::string errors;
    std::string output;
};

inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs the built glossatiles-cli with `arguments`, its output kept in `dir`, started through
// `launcher` when one is given (say "faketime -f +1d") and reading `input` when given. A run
// that hangs is killed after a minute and fails with status 124.
inline CliRun RunCli(const TempDir& dir, const std::vector<std::string>& arguments,
                     const std::string& launcher = "",
                     const std::optional<std::string>& input = std::nullopt) {
    std::string command = "timeout 60 " + launcher + " " + Quoted(GLOSSATILES_CLI);
    for (const std::string& argument : arguments) {
        command += " " + Quoted(argument);
    }
    if (input) {
        command += " <" + Quoted(dir.Write("stdin", *input));
    }
    const std::string out = (dir.path() / "stdout").string();
    const std::string err = (dir.path() / "stderr").string();
    const int status = std::system((command + " >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, ReadBytes(err), ReadBytes(out)};
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos) {
            run.summary[line.substr(0, colon)] = line.substr(colon + 2);
        }
    }
    return run;
}

// The summary's values for `keys`, as "key=value" separated by blanks.
inline std::string Summary(const CliRun& run, std::initializer_list<const char*> keys) {
    std::string text;
    for (const char* key : keys) {
        const auto value = run.summary.find(key);
        text += (text.empty() ? "" : " ") + std::string(key) + "=" +
                (value == run.summary.end() ? "<none>" : value->second);
    }
    return text;
}
