#pragma once

// Earlier versions kept their settings (the recent-file list) under another organisation name.
// Moves that file to where the settings live now, once, and never over settings already there.
// Needs the application's names set.
void MoveOldSettings();
