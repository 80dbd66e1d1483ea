#pragma once

#include "game/play_event.h"
#include "learning/class_results.h"
#include "learning/practice_pairs.h"
#include "learning/progress_store.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string_view>
#include <vector>

class GameHost;
class QWidget;
struct GameState;

// The calls that put another game in play. Only GameInPlay::Replace hands them out, once the
// player has let the game in play go.
class GameDealer {
public:
    // Opens a file as File > Open does, without asking for it. True when it was opened.
    virtual bool OpenPath(const QString& path) = 0;
    // Deals `pairs` alone, as `what` of the list in play (say "Missed pairs"), a game of `kind`.
    virtual void DealPractice(PracticePairs pairs, const char* what, std::string_view kind) = 0;
    // Today's Review: deals `due` from the words the progress store keeps.
    virtual void DealReview(const std::vector<ScheduledPair>& due) = 0;
    // A practice game of the class's hardest pairs, of the class's own list when the list in
    // play is not it.
    virtual void DealClassHardestPairs(const ClassResults& results) = 0;

protected:
    ~GameDealer() = default;
};

// The game in play as the window's features meet it: they read it, hear its events, tell the
// player through its window, and put another game in its place only through Replace, so that
// none can skip the question about the game it replaces.
class GameInPlay : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual const GameState& State() const = 0;
    // The window the rules talk to: messages, status notes and notes reach the player there.
    virtual GameHost& Host() = 0;
    // What the features' own windows open over.
    virtual QWidget& Window() = 0;
    // Before the game in play goes: asks whether to save it when it has changes not saved.
    // False when the player cancelled or the save failed.
    virtual bool MayDiscardGame() = 0;
    // The one way to another game: asks as MayDiscardGame does, then lets `replace` open or
    // deal through the dealer. False when the player kept the game in play; true once the
    // player let it go, whether or not `replace` then put another in its place.
    virtual bool Replace(const std::function<void(GameDealer&)>& replace) = 0;

signals:
    // Every event of play, after the game state has changed.
    void PlayEventOccurred(const PlayEvent& event);
};
