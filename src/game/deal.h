#pragma once

struct GameState;
class GameHost;

enum class DealOutcome { Complete, Incomplete, NoBoard };

// New Game: both tiles of every pair on random cells of any level. Tiles may end up blocked.
DealOutcome NewGame(GameState& state, GameHost& host);

// New Game3: tiles placed by position, each under the stack already there, the two tiles of a
// pair never at one position. Reports when it cannot place every pair.
DealOutcome NewGameUnblocked(GameState& state, GameHost& host);
