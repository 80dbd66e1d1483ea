#include "learning/class_results.h"

#include "learning/memory_key.h"
#include "learning/progress_store.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

namespace {

constexpr std::size_t HardestLearners = 3;

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string NameOf(const LearnerFile& file) {
    return LearnerLabel(file.results.learner, FileName(file.path));
}

// Later results first among equals: the newest date, then the file given last.
bool Newer(const LearnerFile& a, std::size_t aOrder, const LearnerFile& b, std::size_t bOrder) {
    return std::tie(a.results.written, aOrder) > std::tie(b.results.written, bOrder);
}

// The description most files name; among equals the one of the newest results.
std::string MostNamedDescription(const std::vector<LearnerFile>& files) {
    struct Count {
        std::size_t files = 0;
        std::size_t newest = 0;
    };
    std::map<std::string, Count> counts;
    for (std::size_t i = 0; i < files.size(); ++i) {
        Count& count = counts[MemoryText(files[i].results.description)];
        if (count.files++ == 0 || Newer(files[i], i, files[count.newest], count.newest)) {
            count.newest = i;
        }
    }
    const auto best = std::max_element(counts.begin(), counts.end(), [&](auto& a, auto& b) {
        if (a.second.files != b.second.files) {
            return a.second.files < b.second.files;
        }
        return !Newer(files[a.second.newest], a.second.newest, files[b.second.newest],
                      b.second.newest);
    });
    return files[best->second.newest].results.description;
}

// The pairs of the copy of the list most files hold; among equals the newest.
ClassList MostHeldCopy(const std::vector<LearnerFile>& files, const std::string& description) {
    std::map<std::string, std::pair<std::size_t, std::size_t>> copies;
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto& [count, newest] = copies[files[i].results.fingerprint];
        if (count++ == 0 || Newer(files[i], i, files[newest], newest)) {
            newest = i;
        }
    }
    std::size_t chosen = copies.begin()->second.second;
    std::size_t most = 0;
    for (const auto& [fingerprint, copy] : copies) {
        if (copy.first > most ||
            (copy.first == most && Newer(files[copy.second], copy.second, files[chosen], chosen))) {
            most = copy.first;
            chosen = copy.second;
        }
    }
    ClassList list{description, {}};
    for (const PairResult& pair : files[chosen].results.pairs) {
        list.pairs.emplace_back(pair.word, pair.translation);
    }
    return list;
}

// Each learner once, by the newest results; the older ones and other lists' files are noted.
std::vector<LearnerFile> FilesOfClass(std::vector<LearnerFile> files,
                                      const std::string& description, std::vector<Message>& notes) {
    const std::string key = MemoryText(description);
    std::map<std::string, std::size_t> newestByName;
    std::vector<bool> kept(files.size(), false);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const LearnerResults& results = files[i].results;
        if (MemoryText(results.description) != key) {
            notes.push_back({GT_TEXT("Message", "%1 is set aside: it holds results for \"%2\", "
                                                "not for the class's list \"%3\"."),
                             {files[i].path, results.description, description}});
            continue;
        }
        kept[i] = true;
        if (results.learner.empty()) {
            continue;
        }
        const auto [place, first] = newestByName.try_emplace(results.learner, i);
        if (first) {
            continue;
        }
        std::size_t& newest = place->second;
        const std::size_t older = Newer(files[i], i, files[newest], newest) ? newest : i;
        if (older == newest) {
            newest = i;
        }
        kept[older] = false;
        notes.push_back({GT_TEXT("Message", "%1 is set aside: %2's newer results are in %3."),
                         {files[older].path, results.learner, files[newest].path}});
    }
    std::vector<LearnerFile> chosen;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (kept[i]) {
            chosen.push_back(std::move(files[i]));
        }
    }
    return chosen;
}

// One learner's standing with one pair, to find who finds it hardest.
struct Standing {
    std::string learner;
    std::optional<double> recall;
    std::int64_t misses = 0;
};

struct PairTally {
    double recallSum = 0;
    int recalls = 0;
    std::vector<Standing> struggling;
};

std::vector<std::string> HardestFor(std::vector<Standing> standings) {
    std::sort(standings.begin(), standings.end(), [](const Standing& a, const Standing& b) {
        // Known low recall first, then the most misses.
        const double aRecall = a.recall.value_or(2);
        const double bRecall = b.recall.value_or(2);
        return std::tie(aRecall, b.misses, a.learner) < std::tie(bRecall, a.misses, b.learner);
    });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < standings.size() && i < HardestLearners; ++i) {
        names.push_back(standings[i].learner);
    }
    return names;
}

bool Harder(const ClassPair& a, const ClassPair& b) {
    const double aRecall = a.meanRecall.value_or(2);
    const double bRecall = b.meanRecall.value_or(2);
    return std::tie(aRecall, b.missed, b.learners, a.word, a.translation) <
           std::tie(bRecall, a.missed, a.learners, b.word, b.translation);
}

} // namespace

ClassResults GatherClass(std::vector<LearnerFile> files, Day today,
                         const std::optional<ClassList>& list) {
    ClassResults results;
    if (files.empty() && !list) {
        return results;
    }
    results.description = list ? list->description : MostNamedDescription(files);
    files = FilesOfClass(std::move(files), results.description, results.notes);
    const ClassList pairs =
        list ? *list : (files.empty() ? ClassList{} : MostHeldCopy(files, results.description));

    std::map<MemoryKey, std::size_t> rows;
    for (const auto& [word, translation] : pairs.pairs) {
        if (rows.try_emplace(MemoryKeyOf(word, translation), results.pairs.size()).second) {
            results.pairs.push_back({word, translation, 0, 0, std::nullopt, {}});
        }
    }
    std::vector<PairTally> tallies(results.pairs.size());
    for (const LearnerFile& file : files) {
        const LearnerResults& learner = file.results;
        ClassLearner standing{NameOf(file), file.path, 0, 0, 0, std::nullopt};
        for (const PairResult& pair : learner.pairs) {
            const auto row = rows.find(MemoryKeyOf(pair.word, pair.translation));
            const bool met = pair.games > 0 || pair.typedRight > 0 || pair.typedWrong > 0 ||
                             pair.memory.has_value();
            if (row == rows.end() || !met) {
                continue;
            }
            ClassPair& classPair = results.pairs[row->second];
            PairTally& tally = tallies[row->second];
            const std::int64_t misses = pair.missed + pair.typedWrong;
            std::optional<double> recall;
            if (const std::optional<PairMemoryResult>& memory = pair.memory) {
                recall = RecallOn(today, learner.written, *memory, learner.weights);
                tally.recallSum += *recall;
                ++tally.recalls;
                standing.due += memory->due <= today ? 1 : 0;
                standing.mature +=
                    memory->due > today &&
                            (memory->due - memory->lastReview).count() >= MatureInterval
                        ? 1
                        : 0;
                standing.lastPractice = std::max(standing.lastPractice.value_or(memory->lastReview),
                                                 memory->lastReview);
            }
            ++classPair.learners;
            ++standing.seen;
            classPair.missed += misses > 0 ? 1 : 0;
            if (misses > 0 || (recall && *recall < DefaultRetention)) {
                tally.struggling.push_back({standing.name, recall, misses});
            }
        }
        results.learners.push_back(std::move(standing));
    }
    for (std::size_t i = 0; i < results.pairs.size(); ++i) {
        if (tallies[i].recalls > 0) {
            results.pairs[i].meanRecall = tallies[i].recallSum / tallies[i].recalls;
        }
        results.pairs[i].hardestFor = HardestFor(std::move(tallies[i].struggling));
    }
    std::stable_sort(results.pairs.begin(), results.pairs.end(), Harder);
    std::stable_sort(results.learners.begin(), results.learners.end(),
                     [](const ClassLearner& a, const ClassLearner& b) { return a.name < b.name; });
    return results;
}
