#pragma once

#include "learning/class_results.h"
#include "words/message.h"

#include <string>
#include <vector>

// A class's results files as read, and the files that were refused, each named with why.
struct ClassFiles {
    std::vector<LearnerFile> read;
    std::vector<Message> refused;
};

// Reads the results files at `paths`; a folder stands for the .json files in it (not in its
// sub-folders), in name order. A file is refused as a whole, and one refusal leaves the others
// read; a file larger than MaxResultsFileBytes is refused before it is read.
ClassFiles ReadClassFiles(const std::vector<std::string>& paths);

struct GameState;

// The list in play as a class's list, its words as UTF-8.
ClassList ClassListOf(const GameState& state);
