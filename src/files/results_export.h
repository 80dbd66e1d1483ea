#pragma once

#include <string>

struct GameState;
class GameHost;
class ProgressStore;

// Writes the learner's results for the list in play to `path` (see learning/results_file.h):
// each pair of the list once, with what `store` knows of it, its recall as of the host's
// current day by the weights the store schedules with. The file is replaced only once the new
// one is complete. False, after telling the user, when no whole list is in play, the name
// cannot name a learner, the database cannot be read or the file cannot be written.
bool ExportResults(const GameState& state, GameHost& host, ProgressStore& store,
                   const std::string& path, const std::string& learner);
