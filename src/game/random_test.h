#pragma once

#include <cstdint>
#include <string>

class GameHost;

// The report of the random number test: the generator's range, ten raw draws, ten draws of
// GetRandomNumber(10) and the largest of a thousand draws, one per line.
std::string RandomTestReport(std::uint32_t seed);

// Random number test command: shows the report for a fresh seed. The game's own generator is
// left alone.
void RandomNumberTest(GameHost& host);
