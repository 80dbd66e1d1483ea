#pragma once

#include "learning/typing_round.h"
#include "words/list_side.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class GameInPlay;

// Game > Type the Words and "Game finished"'s Type the Missed Pairs: a typing round on the list
// in play or on some of its pairs. The direction is remembered per list.
class TypingControl : public QObject {
    Q_OBJECT
public:
    explicit TypingControl(GameInPlay& game);

public slots:
    void OnTypeTheWords();
    // A round on the pairs at these places of the list in play.
    void TypePairs(const std::vector<std::int32_t>& pairs);

signals:
    // A right answer is shown: a word of the list in play, from its `side`, to be spoken.
    void RightAnswerShown(const std::string& word, ListSide side);
    // A listening question plays this side: its recording `file`, else its `word`.
    void ListenAsked(const std::string& file, const std::string& word, ListSide side);
    // What a screen reader is to say of the round.
    void Spoken(const QString& text);
    // The round has ended, by its last answer or by Escape, and its window has closed.
    void RoundEnded(const TypingRound& round);

private:
    void Run(std::vector<TypingPair> pairs);

    GameInPlay& game_;
};
