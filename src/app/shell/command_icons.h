#pragma once

#include <QIcon>

// The toolbar picture of a command: the desktop theme's icon for the standard commands when it
// has one, otherwise our own drawing. A null icon for commands without a picture.
QIcon CommandIcon(int commandId);

// A small tile of the board, for the window and the About box.
QIcon ApplicationIcon();
