#include "cli/console_host.h"

#include <string>

void ConsoleHost::ShowMessage(std::string_view text) {
    std::string line = "message: ";
    for (char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), errors_);
}
