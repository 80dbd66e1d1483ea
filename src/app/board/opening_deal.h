#pragma once

class GameFiles;
class QAction;

// Game > Deal Boards That Can Be Cleared: while it is checked, a list opened from a file, the
// recent files or the command line is dealt as New Game3 deals, so that a first game can be
// won. On until the player turns it off; kept across runs.
void BindOpeningDeal(QAction& toggle, GameFiles& files);
