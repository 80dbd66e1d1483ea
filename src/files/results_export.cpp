#include "files/results_export.h"

#include "files/utf8_text.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/word_list_command.h"
#include "learning/learner_results.h"
#include "learning/pair_identity.h"
#include "learning/progress_store.h"
#include "learning/results_file.h"
#include "savegame/atomic_file.h"

#include <set>

namespace {

// The list's pairs, each once, with the keys the database knows them by.
struct ListPairs {
    std::vector<MemoryKey> keys;
    std::vector<std::pair<std::string, std::string>> words;
};

ListPairs PairsOfList(const GameIdentity& identity, const WordPairList& list) {
    ListPairs pairs;
    std::set<MemoryKey> seen;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const PairKey key = KeyOf(identity, list, i);
        MemoryKey memory = MemoryKeyOf(key.textA, key.textB);
        if (seen.insert(memory).second) {
            pairs.keys.push_back(std::move(memory));
            pairs.words.emplace_back(AsUtf8(key.textA), AsUtf8(key.textB));
        }
    }
    return pairs;
}

void ReportNotWritten(GameHost& host, const std::string& path, Message reason) {
    host.Report(NestedMessage(GT_TEXT("Message", "Can't write the results to\n%1\n%2"), {path},
                              {std::move(reason)}));
}

} // namespace

bool ExportResults(const GameState& state, GameHost& host, ProgressStore& store,
                   const std::string& path, const std::string& learner) {
    if (RefuseWithoutWordList(state, host)) {
        return false;
    }
    const GameIdentity identity = IdentityOf(state);
    if (identity.kind != GameKind::List) {
        ReportNotWritten(host, path,
                         GT_TEXT("Message", "Results are written for a whole list: open the list "
                                            "first."));
        return false;
    }
    if (const std::optional<Message> problem = LearnerNameProblem(learner)) {
        ReportNotWritten(host, path, *problem);
        return false;
    }
    ListPairs pairs = PairsOfList(identity, state.WordList);
    const std::optional<std::vector<PairHistory>> histories =
        store.PairHistories(identity.fingerprint, identity.description, pairs.keys);
    const std::optional<ReviewSettings> settings =
        histories ? StoredReviewSettings(store) : std::nullopt;
    if (!settings) {
        ReportNotWritten(host, path, store.Problem());
        return false;
    }
    const ListPairsHistory list{AsUtf8(identity.description), identity.fingerprint,
                                std::move(pairs.words), *histories};
    const auto text = [&] {
        return ResultsFileText(MakeLearnerResults(learner, list, LocalDay(host.CurrentTime()),
                                                  ClippedWeights(settings->weights)));
    };
    if (const AtomicWrite write = WriteFileAtomically(path, text);
        write.result != AtomicWriteResult::Written) {
        host.Report(CantWriteFile(path, write));
        return false;
    }
    return true;
}
