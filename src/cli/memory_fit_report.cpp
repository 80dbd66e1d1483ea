#include "cli/memory_fit_report.h"

#include <cstdio>

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

std::string Figures(const char* key, const MemoryFit& fit, double PredictionScore::*figure) {
    const auto shown = [figure](const std::optional<PredictionScore>& score) {
        return score ? Number((*score).*figure) : std::string("-");
    };
    return std::string(key) + ": default " + shown(fit.defaults) + " fitted " + shown(fit.fitted) +
           "\n";
}

} // namespace

std::string MemoryFitReport(const MemoryFit& fit) {
    std::string report = "parameters:";
    for (const double weight : fit.weights) {
        report += " " + Number(weight);
    }
    report += "\nreviews: " + std::to_string(fit.reviews) + "\n";
    return report + Figures("log-loss", fit, &PredictionScore::logLoss) +
           Figures("rmse-bins", fit, &PredictionScore::rmseBins);
}
