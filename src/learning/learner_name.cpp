#include "learning/learner_name.h"

#include "learning/progress_store.h"

std::optional<std::string> KeptLearnerName(ProgressStore& store) {
    const std::optional<SettingTexts> settings = store.Settings();
    if (!settings) {
        return std::nullopt;
    }
    const auto kept = settings->find(LearnerNameKey);
    return kept == settings->end() ? std::string() : kept->second;
}

bool KeepLearnerName(ProgressStore& store, const std::string& name) {
    return store.SetSetting(LearnerNameKey, name);
}
