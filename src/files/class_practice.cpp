#include "files/class_practice.h"

#include "files/utf8_text.h"
#include "game/game_state.h"
#include "learning/memory_key.h"
#include "learning/pair_identity.h"
#include "learning/practice_deal.h"

#include <set>

namespace {

std::set<MemoryKey> HardestKeys(const ClassResults& results) {
    std::set<MemoryKey> keys;
    for (const ClassPair& pair : results.pairs) {
        if (keys.size() == ClassHardestPairCount) {
            break;
        }
        if (pair.learners > 0) {
            keys.insert(MemoryKeyOf(pair.word, pair.translation));
        }
    }
    return keys;
}

// The entries of the list in play that are among `keys`.
std::vector<std::int32_t> EntriesAmong(const GameState& state, const std::set<MemoryKey>& keys) {
    const GameIdentity identity = IdentityOf(state);
    std::vector<std::int32_t> entries;
    std::set<MemoryKey> found;
    for (std::size_t i = 0; i < state.WordList.size(); ++i) {
        const PairKey pair = KeyOf(identity, state.WordList, i);
        MemoryKey key = MemoryKeyOf(AsUtf8(pair.textA), AsUtf8(pair.textB));
        if (keys.contains(key) && found.insert(std::move(key)).second) {
            entries.push_back(static_cast<std::int32_t>(i));
        }
    }
    return entries;
}

// The class's list as the results give it, in place of the list in play.
void TakeClassList(GameState& state, const ClassResults& results) {
    WordPairList list;
    for (const ClassPair& pair : results.pairs) {
        list.push_back({pair.word, pair.translation});
    }
    state.Identity = IdentityOfList(list, results.description);
    state.WordList = std::move(list);
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
    state.FileDescription = results.description;
    state.ListPath.clear();
    state.BrowseFileName.clear();
    state.Languages = {};
}

} // namespace

WordPairList ClassHardestPairList(const ClassResults& results) {
    WordPairList list;
    for (const ClassPair& pair : results.pairs) {
        if (list.size() == ClassHardestPairCount) {
            break;
        }
        if (pair.learners > 0) {
            list.push_back({pair.word, pair.translation});
        }
    }
    return list;
}

DealOutcome DealClassHardestPairs(GameState& state, GameHost& host, const ClassResults& results) {
    const std::set<MemoryKey> keys = HardestKeys(results);
    std::vector<std::int32_t> entries = EntriesAmong(state, keys);
    if (entries.size() != keys.size() || IdentityOf(state).kind != GameKind::List) {
        TakeClassList(state, results);
        entries = EntriesAmong(state, keys);
    }
    return DealPractice(state, host, PairsAt(state, std::move(entries)), ClassHardestPairsTitle,
                        GameKind::HardestPairs);
}
