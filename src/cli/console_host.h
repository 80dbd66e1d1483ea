#pragma once

#include "game/quiet_host.h"

#include <cstdio>
#include <string>
#include <utility>

// Runs the rules without a window: each message goes to standard error as one line, and so
// does each note ("note: "), in the language given ("" for English).
class ConsoleHost : public QuietHost {
public:
    ConsoleHost(std::FILE* errors, std::uint32_t seed, std::string language)
        : QuietHost(seed), errors_(errors), language_(std::move(language)) {}

    void Report(const Message& message) override;
    void ShowMessage(std::string_view text) override;
    void ReportNote(NoteTopic topic, const Message& note) override;

private:
    void WriteLine(std::string_view prefix, std::string_view text);

    std::FILE* errors_;
    std::string language_;
};
