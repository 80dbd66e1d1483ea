#pragma once

#include "cli/cli_options.h"
#include "cli/console_host.h"

// --class: the class's pair table on standard output, one pair a line, hardest first: word,
// translation, learners, missed and mean recall, tab-separated. Refused files are messages,
// files set aside notes. Failed (1) when no file could be read or the list cannot be opened.
int ListClassResults(const CliOptions& options, ConsoleHost& host);
