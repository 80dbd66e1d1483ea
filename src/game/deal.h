#pragma once

struct GameState;
class GameHost;

enum class DealOutcome { Complete, Incomplete, NoBoard };
enum class DealKind { Plain, Unblocked };

// New Game: both tiles of every pair on random cells of any level. Tiles may end up blocked.
DealOutcome NewGame(GameState& state, GameHost& host);

// New Game3: tiles placed by position, each under the stack already there, the two tiles of a
// pair never at one position. Reports when it cannot place every pair.
DealOutcome NewGameUnblocked(GameState& state, GameHost& host);

// The deal of either command without telling the host that a game started, for a caller that
// puts the dealt game in place first.
DealOutcome DealNewBoard(GameState& state, GameHost& host, DealKind kind);
