#include "learning/practice_deal.h"

#include "game/auto_play.h"
#include "game/game_host.h"
#include "game/game_state.h"

#include <algorithm>
#include <filesystem>

WordPairList PairsAt(const WordPairList& list, std::vector<std::int32_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    WordPairList pairs;
    for (const std::int32_t index : indices) {
        if (index >= 0 && static_cast<std::size_t>(index) < list.size()) {
            pairs.push_back(list[static_cast<std::size_t>(index)]);
        }
    }
    return pairs;
}

WordPairList PairsNamed(const WordPairList& list,
                        const std::vector<std::pair<std::string, std::string>>& words) {
    WordPairList pairs;
    for (const WordPair& pair : list) {
        const std::pair<std::string, std::string> named{pair.TextA.value_or(""),
                                                        pair.TextB.value_or("")};
        if (std::find(words.begin(), words.end(), named) != words.end()) {
            pairs.push_back(pair);
        }
    }
    return pairs;
}

std::string PracticeDescription(std::string_view what, std::string_view listDescription) {
    return CutText(std::string(what) + ": " + std::string(listDescription));
}

DealOutcome DealPractice(GameState& state, GameHost& host, WordPairList pairs,
                         std::string_view what) {
    StopAutomaticPlay(state, host);
    ResetView(state);
    state.WordsCount = static_cast<std::int32_t>(pairs.size());
    state.WordList = std::move(pairs);
    state.RecordFileName.clear();
    state.FileDescription = PracticeDescription(what, state.FileDescription);
    const std::string listName = std::filesystem::path(state.ListPath).filename().string();
    host.SetTitle(CutText("Glossatiles - " + std::string(what) + " of " + listName));
    const DealOutcome outcome = NewGameUnblocked(state, host);
    host.InvalidateAll();
    return outcome;
}
