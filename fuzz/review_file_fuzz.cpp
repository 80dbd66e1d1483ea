// Review files, read and fitted to: no crash, no hang, and weights that schedule.
#include "learning/memory_fit.h"
#include "learning/review_file.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const ReviewFile file = ParseReviewFile(in);
    // A fit's time grows with the log's length: long logs are the benchmark's.
    if (file.problem || file.reviews.size() > 300) {
        return 0;
    }
    const std::optional<MemoryFit> fit = FitMemory(file.reviews, DefaultWeights);
    if (!fit || ClippedWeights(fit->weights) != fit->weights ||
        (fit->fitted && !std::isfinite(fit->fitted->logLoss))) {
        std::abort();
    }
    return 0;
}
