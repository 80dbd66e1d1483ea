#pragma once

struct GameState;
class GameHost;

// Stops both timers and forgets a pending removal, so that no tick reaches a board other than
// the one its pair was found on.
void StopAutomaticPlay(GameState& state, GameHost& host);

// One step of automatic play: frames a pair of top tiles, counts a hint and marks the pair for
// removal at the next tick of the automatic timer. False, changing nothing, when there is none.
bool AutoStep(GameState& state, GameHost& host);

// Removes one pair a second after showing it, then stops.
void AutoRemovePair(GameState& state, GameHost& host);

// Removes pairs about ten a second until no two top tiles share an entry.
void FastAutoFinish(GameState& state, GameHost& host);

// A tick of either timer. Every id but the hint timer's is the automatic timer.
void OnTimer(GameState& state, GameHost& host, int timerId);

// Fast auto finish to its end without waiting: the ticks are delivered at once, for as long as
// the automatic timer would be running.
void RunFastAutoFinishToEnd(GameState& state, GameHost& host);
