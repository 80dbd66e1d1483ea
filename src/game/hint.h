#pragma once

struct GameState;
class GameHost;

// Hint command: frames a pair of top tiles for a while and counts a hint. Says nothing when
// there is no such pair.
void Hint(GameState& state, GameHost& host);

// The hint timer ran out: the framed positions and the selection are drawn again.
void HintExpired(const GameState& state, GameHost& host);

// Both hinted positions as they are now: the tiles on top, or empty places.
void RedrawHintedPositions(const GameState& state, GameHost& host);
