#include "cli_runner.h"

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace {
std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}
} // namespace

CliRun RunCli(const TempDir& dir, const std::vector<std::string>& arguments) {
    std::string command = Quote(GLOSSATILES_CLI);
    for (const std::string& argument : arguments) {
        command += " " + Quote(argument);
    }
    const std::string out = (dir.path() / "stdout").string();
    const std::string err = (dir.path() / "stderr").string();
    const int status = std::system((command + " >" + Quote(out) + " 2>" + Quote(err)).c_str());
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, ReadBytes(err)};
    std::istringstream lines(ReadBytes(out));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos) {
            run.summary[line.substr(0, colon)] = line.substr(colon + 2);
        }
    }
    return run;
}
