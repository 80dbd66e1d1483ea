#pragma once

#include <QObject>
#include <QString>

class GameInPlay;
class QAction;
struct RemovedPair;

// Keeps Edit > Undo and Edit > Redo in step with the game's history: each is enabled when
// there is a removal to take back or make again, and names that removal's words.
class UndoActions : public QObject {
    Q_OBJECT
public:
    // Call once the actions are in their menus.
    UndoActions(QAction& undo, QAction& redo, GameInPlay& game, QObject* parent);

public slots:
    void Refresh();

private:
    void Show(QAction& action, const QString& plainText, const RemovedPair* removal) const;

    QAction& undo_;
    QAction& redo_;
    const GameInPlay& game_;
    QString plainUndo_;
    QString plainRedo_;
};
