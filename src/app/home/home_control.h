#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class GameInPlay;
class GameLearning;
class HomePage;
class Prompter;
class QStackedWidget;
class QWidget;
struct ListStanding;

// The home page in the window's middle, in front of the board: it shows at start without a
// file, from View > Home and from "Game finished"; any new game brings the board back.
class HomeControl : public QObject {
    Q_OBJECT
public:
    // `trigger` runs a command of the window by its id.
    HomeControl(QStackedWidget& stack, QWidget& board, GameInPlay& game, GameLearning& learning,
                Prompter& prompter, std::function<void(int)> trigger);

    HomePage& Page();
    bool Showing() const;

    // The bundled examples: the installed ones, or the source tree's when run from a build.
    static QStringList ExampleLists();

public slots:
    // Reads the progress database again and brings the page forward; Orca reads its Today line.
    void ShowHome();
    void ShowBoard();
    // Reads the progress database again if the page shows, leaving the focus where it is.
    void Refresh();

private:
    void Fill();
    void Open(const QString& path, int thenCommand = 0);
    void ReviewList(const ListStanding& list);
    void Locate(const ListStanding& list);

    QStackedWidget& stack_;
    QWidget& board_;
    GameInPlay& game_;
    GameLearning& learning_;
    // Asks where a list's file went.
    Prompter& prompter_;
    std::function<void(int)> trigger_;
    HomePage* page_ = nullptr;
};
