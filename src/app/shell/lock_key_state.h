#pragma once

#include <array>

// Caps Lock, Num Lock and Scroll Lock, in that order. All off where the windowing system
// cannot tell (anything but X11).
std::array<bool, 3> LockKeyStates();
