#pragma once

#include "learning/typing_round.h"
#include "words/word_pair.h"

#include <QObject>

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
    void TypePairs(const WordPairList& pairs);

signals:
    // The round has ended, by its last answer or by Escape, and its window has closed.
    void RoundEnded(const TypingRound& round);

private:
    CGlossatilesView& view_;
    SpeechControl& speech_;
};
