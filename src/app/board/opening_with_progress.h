#pragma once

#include "files/file_opening.h"
#include "game/deal.h"

#include <chrono>
#include <string>

class GameHost;
class ImportChooser;
class QWidget;
struct GameState;

// An open slower than this shows its progress dialog.
inline constexpr std::chrono::milliseconds SlowOpenDelay{500};

// Opens `path` as File > Open does, reading it on a worker thread. When the reading takes longer
// than `delay`, a progress dialog over `window` offers Cancel, which stops the reading and keeps
// the game in play. The questions and the deal stay on the window's thread.
OpenResult OpenWithProgress(QWidget& window, GameState& state, GameHost& host,
                            const std::string& path, DealKind deal, ImportChooser* chooser,
                            std::chrono::milliseconds delay = SlowOpenDelay);
