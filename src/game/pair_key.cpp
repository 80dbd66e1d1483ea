#include "game/pair_key.h"

std::vector<PairKey> KeysOf(const WordPairList& list, const std::string& fingerprint) {
    std::vector<PairKey> keys;
    keys.reserve(list.size());
    for (const WordPair& pair : list) {
        keys.push_back({fingerprint, pair.TextA.value_or(""), pair.TextB.value_or("")});
    }
    return keys;
}

void KeepPairKeys(GameIdentity& identity, const WordPairList& list) {
    if (identity.pairs.empty() && !identity.fingerprint.empty()) {
        identity.pairs = KeysOf(list, identity.fingerprint);
    }
}
