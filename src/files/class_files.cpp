#include "files/class_files.h"

#include "files/file_bytes.h"
#include "files/file_name.h"
#include "files/utf8_text.h"
#include "game/game_state.h"
#include "learning/results_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

Message Refused(const std::string& path, Message reason) {
    return NestedMessage(GT_TEXT("Message", "The results file %1 is left out: %2"), {path},
                         {std::move(reason)});
}

void ReadOne(const std::string& path, ClassFiles& files) {
    // One byte past the limit tells a file that is too large without reading it whole.
    const std::optional<std::string> bytes = ReadFileBytes(path, MaxResultsFileBytes + 1);
    if (!bytes) {
        files.refused.push_back(Refused(path, GT_TEXT("Message", "it cannot be read")));
        return;
    }
    if (bytes->size() > MaxResultsFileBytes) {
        files.refused.push_back(Refused(path, GT_TEXT("Message", "it is larger than 10 MB")));
        return;
    }
    ResultsReading reading = ParseResultsFile(*bytes);
    if (reading.problem) {
        files.refused.push_back(Refused(path, std::move(*reading.problem)));
        return;
    }
    files.read.push_back({path, std::move(reading.results)});
}

} // namespace

ClassFiles ReadClassFiles(const std::vector<std::string>& paths) {
    ClassFiles files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!std::filesystem::is_directory(path, error)) {
            ReadOne(path, files);
            continue;
        }
        std::vector<std::string> inFolder;
        for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
            const std::string name = entry.path().string();
            if (HasExtension(name, ".json") && !entry.is_directory(error)) {
                inFolder.push_back(name);
            }
        }
        std::sort(inFolder.begin(), inFolder.end());
        if (inFolder.empty()) {
            files.refused.push_back(
                {GT_TEXT("Message", "The folder %1 holds no results files (.json)."), {path}});
        }
        for (const std::string& name : inFolder) {
            ReadOne(name, files);
        }
    }
    return files;
}

ClassList ClassListOf(const GameState& state) {
    ClassList list{AsUtf8(state.FileDescription), {}};
    for (const WordPair& pair : state.WordList) {
        list.pairs.emplace_back(AsUtf8(pair.TextA.value_or("")), AsUtf8(pair.TextB.value_or("")));
    }
    return list;
}
