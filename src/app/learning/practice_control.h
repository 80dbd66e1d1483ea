#pragma once

#include "words/list_side.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class GameInPlay;
class GameLearning;

// Game > Flashcards and Game > Choose the Word: a round on the list in play, in the schedule's
// order, kept with the progress. The direction is remembered per list and per round.
class PracticeControl : public QObject {
    Q_OBJECT
public:
    PracticeControl(GameInPlay& game, GameLearning& learning);

public slots:
    void OnFlashcards();
    void OnChooseTheWord();
    // A round on the pairs at these places of the list in play.
    void FlashcardPairs(const std::vector<std::int32_t>& pairs);
    void ChoosePairs(const std::vector<std::int32_t>& pairs);

signals:
    // An answer is shown: a word of the list in play, from its `side`, to be spoken.
    void AnswerShown(const std::string& word, ListSide side);
    // What a screen reader is to say of the round.
    void Spoken(const QString& text);
    // The flashcard summary's Type the Again Cards: the pairs at these places of the list.
    void TypePairsRequested(const std::vector<std::int32_t>& pairs);

private:
    // On every pair of the list when `only` is null.
    void RunFlashcards(const std::vector<std::int32_t>* only);
    void RunChoice(const std::vector<std::int32_t>* only);

    GameInPlay& game_;
    GameLearning& learning_;
};
