#include "learning/pair_identity.h"

#include "game/game_state.h"
#include "learning/list_fingerprint.h"
#include "learning/progress_store.h"

GameIdentity IdentityOfList(const WordPairList& list, std::string description) {
    return {ListFingerprint(list), std::move(description), GameKind::List, {}};
}

GameIdentity IdentityOf(const GameState& state) {
    const GameIdentity& identity = state.Identity;
    const bool covers = identity.pairs.empty() || identity.pairs.size() == state.WordList.size();
    if (!identity.fingerprint.empty() && covers) {
        return identity;
    }
    return IdentityOfList(state.WordList, state.FileDescription);
}

PairKey KeyOf(const GameIdentity& identity, const WordPairList& list, std::size_t index) {
    if (index < identity.pairs.size()) {
        return identity.pairs[index];
    }
    const WordPair& pair = list[index];
    return {identity.fingerprint, pair.TextA.value_or(""), pair.TextB.value_or("")};
}
