#pragma once

#include <QString>

#include <functional>

class QWidget;

// Says a short text to a screen reader at once, without moving the focus: what a pick did, a
// note the player must see. The text reaches the screen reader as a notification inside
// the widget given to InstallAnnouncer; before that, Announce does nothing.
void InstallAnnouncer(QWidget& window);
void Announce(const QString& text);

// Hears every announcement too; for tests, which run where no screen reader listens. An empty
// function stops.
void ListenToAnnouncements(std::function<void(const QString&)> listener);
