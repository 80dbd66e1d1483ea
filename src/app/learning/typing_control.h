#pragma once

#include "learning/typing_round.h"

#include <QObject>

#include <vector>

class CGlossatilesView;
class SpeechControl;

// Game > Type the Words and "Game finished"'s Type the Missed Pairs: a typing round on the list
// in play or on some of its pairs. The direction is remembered per list; each right answer is
// spoken when speech is on.
class TypingControl : public QObject {
    Q_OBJECT
public:
    TypingControl(CGlossatilesView& view, SpeechControl& speech);

public slots:
    void OnTypeTheWords();
    // A round on the pairs at these places of the list in play.
    void TypePairs(const std::vector<std::int32_t>& pairs);

signals:
    // The round has ended, by its last answer or by Escape, and its window has closed.
    void RoundEnded(const TypingRound& round);

private:
    void Run(std::vector<TypingPair> pairs);

    CGlossatilesView& view_;
    SpeechControl& speech_;
};
