#pragma once

#include <QString>

// "Remind me at login": an XDG autostart entry that runs `glossatiles --remind` when the
// learner logs in.
QString LoginReminderPath();
bool LoginReminderOn();
// Writes or removes the entry; false, with `problem` set, when that failed.
bool SetLoginReminder(bool on, QString& problem);
// The entry's text for the game at `program`: named plainly when it is the one on the PATH.
QString LoginReminderEntry(const QString& program);
