#include "cli/console_host.h"

#include "cli/message_language.h"

#include <string>

void ConsoleHost::Report(const Message& message) {
    ShowMessage(LocalizedText(message, language_));
}

void ConsoleHost::ShowMessage(std::string_view text) {
    WriteLine("message: ", text);
}

void ConsoleHost::ReportNote(NoteTopic, const Message& note) {
    WriteLine("note: ", LocalizedText(note, language_));
}

void ConsoleHost::WriteLine(std::string_view prefix, std::string_view text) {
    std::string line(prefix);
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
