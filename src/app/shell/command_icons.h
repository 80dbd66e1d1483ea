#pragma once

#include <QIcon>

class QPalette;

// The toolbar picture of a command: the desktop theme's icon for the standard commands when it
// has one, otherwise our own drawing, in colours that show on `palette`'s toolbar. A null icon
// for commands without a picture.
QIcon CommandIcon(int commandId, const QPalette& palette);

// A small tile of the board, for the window and the About box.
QIcon ApplicationIcon();
