#pragma once

// The year of practice as a screen reader meets it: one child a day, named "3 December: 24
// pairs". Installed once, before the first calendar is shown.
void InstallCalendarAccessibility();
