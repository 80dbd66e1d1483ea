#include "learning/progress_store.h"

ReviewSettings ReviewSettingsOf(const SettingTexts& settings, const KeptFits& fits) {
    return {fits.inUse ? fits.inUse->weights : DefaultWeights,
            SettingValue(settings, Setting::Retention)};
}

std::optional<ReviewSettings> StoredReviewSettings(ProgressStore& store) {
    const std::optional<SettingTexts> settings = store.Settings();
    const std::optional<KeptFits> fits = settings ? store.Fits() : std::nullopt;
    return fits ? std::optional(ReviewSettingsOf(*settings, *fits)) : std::nullopt;
}
