#pragma once

#include <string>

// The program's own folder for what it keeps: $XDG_DATA_HOME/glossatiles, or
// ~/.local/share/glossatiles when that is unset; "" when neither it nor HOME is set.
std::string DataFolder();
