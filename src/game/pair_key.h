#pragma once

#include "words/word_pair.h"

#include <string>
#include <vector>

// A pair as the progress records meet it: the fingerprint of the list it was seen in and its two
// words as that list holds them. Its review schedule follows the words alone, so the same
// words in two lists, or in a list that was edited, are one pair to review.
struct PairKey {
    std::string fingerprint;
    std::string textA;
    std::string textB;

    bool operator==(const PairKey&) const = default;
};

// Who the game in play is in the progress records. Fixed when its list is opened, so that a
// save that changes a word, or a practice deal of some pairs, keeps the list's progress.
struct GameIdentity {
    std::string fingerprint;
    // The list's own description, as it was opened.
    std::string description;
    // The deal: the whole list, or one kind of practice.
    std::string kind;
    // Per entry of the word list, the pair it is; empty while the words in play are the
    // pairs' own words.
    std::vector<PairKey> pairs;
};

// Every pair of `list` under `fingerprint`, as its words are now.
std::vector<PairKey> KeysOf(const WordPairList& list, const std::string& fingerprint);

// Before the words in play change: fixes who each pair is, if that was left to its words.
void KeepPairKeys(GameIdentity& identity, const WordPairList& list);
