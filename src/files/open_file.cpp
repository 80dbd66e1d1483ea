#include "files/open_file.h"

#include "game/game_host.h"
#include "game/game_state.h"
#include "learning/pair_identity.h"
#include "savegame/save_loader.h"

#include <algorithm>
#include <new>

namespace {

// The list at `path` read as File > Open reads it, without a word to the player and without a
// deal; nullopt when it is no word list or cannot be read.
std::optional<GameState> ReadListQuietly(const std::string& path) {
    FileOpening opening(path);
    opening.Prepare();
    opening.Read();
    GameState list;
    list.BrowseFileName = path;
    return opening.TakeList(list) ? std::optional(std::move(list)) : std::nullopt;
}

bool SameWords(const WordPair& a, const WordPair& b) {
    return a.TextA.value_or("") == b.TextA.value_or("") &&
           a.TextB.value_or("") == b.TextB.value_or("");
}

// A loaded game is kept under the list it names while that list still holds as many pairs
// (saving may have changed a word in the game), otherwise under its own words.
void IdentifySavedGame(GameState& state) {
    std::optional<GameState> list;
    try {
        if (!state.BrowseFileName.empty()) {
            list = ReadListQuietly(state.BrowseFileName);
        }
    } catch (const std::bad_alloc&) {
        list.reset();
    }
    if (!list || list->WordList.size() != state.WordList.size()) {
        state.Identity = IdentityOfList(state.WordList, state.FileDescription);
        return;
    }
    state.Identity = IdentityOfList(list->WordList, list->FileDescription);
    if (!std::equal(list->WordList.begin(), list->WordList.end(), state.WordList.begin(),
                    SameWords)) {
        state.Identity.pairs = KeysOf(list->WordList, state.Identity.fingerprint);
    }
}

} // namespace

bool LoadGameFile(GameState& state, GameHost& host, const std::string& path) {
    if (!Loadplayedgame(state, host, path)) {
        return false;
    }
    IdentifySavedGame(state);
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
