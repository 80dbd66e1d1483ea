#include "files/open_file.h"

#include "files/file_bytes.h"
#include "files/file_kind.h"
#include "files/import_chooser.h"
#include "files/media_file.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "learning/memory_key.h"
#include "learning/pair_identity.h"
#include "learning/practice_deal.h"
#include "learning/progress_store.h"
#include "savegame/save_loader.h"
#include "savegame/saved_game_text.h"

#include <algorithm>
#include <map>
#include <new>

namespace {

// A saved game names a saved game as its source when it was dealt from no list.
bool IsSavedGameFile(const std::string& path) {
    const std::optional<std::string> head = ReadFileBytes(path, ImportDetectionBytes);
    return head && DetectFileKind(std::string_view(*head).substr(0, head->find('\n'))) ==
                       FileKind::SavedGame;
}

// A loaded game is kept under the list it names when most of its pairs are found there by their
// words: saving may have changed a word, the list may have been sorted or edited since, and a
// practice game holds some of its pairs only. Each pair found is the list's; the others are
// their own words. A game without such a list is kept under its own words, and Today's Review,
// whose source is the saved game itself, as a review again.
void IdentifySavedGame(GameState& state) {
    const std::string& source = state.BrowseFileName;
    std::optional<GameState> list;
    try {
        if (!source.empty()) {
            list = ReadListQuietly(source, {});
        }
    } catch (const std::bad_alloc&) {
        list.reset();
    }
    state.Identity = IdentityOfList(state.WordList, state.FileDescription);
    if (!list) {
        if (state.FileDescription == TodaysReviewTitle && IsSavedGameFile(source)) {
            state.Identity = {ReviewFingerprint, state.FileDescription, GameKind::Review, {}};
            state.ListPath.clear();
        }
        return;
    }
    const GameIdentity named = IdentityOfList(list->WordList, list->FileDescription);
    std::multimap<MemoryKey, std::size_t> listed;
    for (std::size_t i = 0; i < list->WordList.size(); ++i) {
        const WordPair saved = WordsAsSaved(list->WordList[i]);
        listed.emplace(MemoryKeyOf(*saved.TextA, *saved.TextB), i);
    }
    std::vector<PairKey> keys = KeysOf(state.WordList, named.fingerprint);
    std::size_t found = 0;
    for (PairKey& key : keys) {
        const auto match = listed.find(MemoryKeyOf(key.textA, key.textB));
        if (match != listed.end()) {
            const WordPair& pair = list->WordList[match->second];
            key = {named.fingerprint, pair.TextA.value_or(""), pair.TextB.value_or("")};
            listed.erase(match);
            ++found;
        }
    }
    if (2 * found > keys.size()) {
        state.Identity = named;
        state.Identity.pairs = std::move(keys);
    }
}

} // namespace

void NoteMissingMedia(const GameState& state, GameHost& host) {
    host.WithdrawNote(NoteTopic::MissingMedia);
    if (const int missing = CountMedia(state.WordList, state.ListPath).missing; missing > 0) {
        host.ReportNote(NoteTopic::MissingMedia, MissingMediaNote(missing, state.ListPath));
    }
}

std::optional<GameState> ReadListQuietly(const std::string& path, const ImportChoice& choice) {
    FileOpening opening(path);
    opening.Prepare();
    FixedImportChooser chooser(choice);
    opening.Choose(&chooser);
    opening.Read();
    GameState list;
    list.BrowseFileName = path;
    list.ListPath = path;
    return opening.TakeList(list) ? std::optional(std::move(list)) : std::nullopt;
}

bool LoadGameFile(GameState& state, GameHost& host, const std::string& path) {
    if (!Loadplayedgame(state, host, path)) {
        return false;
    }
    IdentifySavedGame(state);
    NoteMissingMedia(state, host);
    return true;
}

OpenResult OpenFile(GameState& state, GameHost& host, DealKind deal, ImportChooser* chooser) {
    return OpenFileAtPath(state, host, host.ChooseFileToOpen(), deal, chooser);
}

OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path, DealKind deal,
                          ImportChooser* chooser) {
    FileOpening opening(path);
    opening.Prepare();
    opening.Choose(chooser);
    opening.Read();
    return opening.Finish(state, host, deal);
}
