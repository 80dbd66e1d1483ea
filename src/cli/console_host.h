#pragma once

#include "game/quiet_host.h"

#include <cstdio>

// Runs the rules without a window: each message goes to standard error as one line.
class ConsoleHost : public QuietHost {
public:
    ConsoleHost(std::FILE* errors, std::uint32_t seed) : QuietHost(seed), errors_(errors) {}

    void ShowMessage(std::string_view text) override;

private:
    std::FILE* errors_;
};
