#include "learning/pair_identity.h"

#include "game/game_state.h"
#include "learning/list_fingerprint.h"
#include "learning/progress_store.h"

GameIdentity IdentityOfList(const WordPairList& list, std::string description) {
    GameIdentity identity{ListFingerprint(list), std::move(description), GameKind::List, {}};
    identity.pairs.reserve(list.size());
    for (const WordPair& pair : list) {
        identity.pairs.push_back(
            {identity.fingerprint, pair.TextA.value_or(""), pair.TextB.value_or("")});
    }
    return identity;
}

GameIdentity IdentityOf(const GameState& state) {
    if (!state.Identity.fingerprint.empty() &&
        state.Identity.pairs.size() == state.WordList.size()) {
        return state.Identity;
    }
    return IdentityOfList(state.WordList, state.FileDescription);
}
