#include "cli/console_host.h"

ConsoleHost::ConsoleHost(std::FILE* errors, std::optional<std::uint32_t> seed)
    : errors_(errors), seed_(seed) {}

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

std::uint32_t ConsoleHost::RandomSeed() {
    return seed_ ? *seed_ : GameHost::RandomSeed();
}
