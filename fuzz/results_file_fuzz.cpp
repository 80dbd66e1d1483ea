// Results files, read and gathered into a class: no crash, no hang, and what is read writes
// back as a file that reads the same.
#include "learning/class_results.h"
#include "learning/results_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ResultsReading reading =
        ParseResultsFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (reading.problem) {
        return 0;
    }
    const ResultsReading again = ParseResultsFile(ResultsFileText(reading.results));
    if (again.problem || again.results.pairs.size() != reading.results.pairs.size() ||
        again.results.learner != reading.results.learner) {
        std::abort();
    }
    const Day later = reading.results.written + std::chrono::days(30);
    const ClassResults results =
        GatherClass({{"a.json", reading.results}, {"b.json", again.results}}, later);
    for (const ClassPair& pair : results.pairs) {
        if (pair.learners > 1 || pair.missed > pair.learners ||
            (pair.meanRecall && !(*pair.meanRecall >= 0 && *pair.meanRecall <= 1))) {
            std::abort();
        }
    }
    return 0;
}
