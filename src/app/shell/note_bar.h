#pragma once

#include "game/game_host.h"

#include <QWidget>

#include <map>

class QAction;
class QVBoxLayout;

// The notes a player must see, above the board: each on a row of its own with its text, a
// button for what to do about it when there is one, and a close button. A note stays until
// the player closes it or the game withdraws it; a new note on a topic replaces the old one,
// and the same note again leaves it as it is.
class NoteBar : public QWidget {
    Q_OBJECT
public:
    explicit NoteBar(QWidget* parent = nullptr);

    // The one place a note is shown: `action`, when given, gets a button on the note's row.
    void Show(NoteTopic topic, const QString& text, QAction* action = nullptr);
    void Withdraw(NoteTopic topic);
    // The texts up now, oldest first.
    QStringList Notes() const;

signals:
    // A note came up: what a screen reader is to announce, once.
    void NoteShown(const QString& text);

private:
    QVBoxLayout* layout_;
    std::map<NoteTopic, QWidget*> rows_;
};

// Screen readers meet each row as a note; it is announced when it comes up, so it is no
// alert, which they would read a second time.
void InstallNoteAccessibility();
