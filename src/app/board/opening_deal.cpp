#include "app/board/opening_deal.h"

#include "app/board/game_files.h"
#include "game/deal.h"

#include <QAction>
#include <QSettings>

namespace {
const char* const SettingKey = "game/dealBoardsThatCanBeCleared";

void Apply(GameFiles& files, bool clearable) {
    files.SetOpeningDeal(clearable ? DealKind::Unblocked : DealKind::Plain);
}
} // namespace

void BindOpeningDeal(QAction& toggle, GameFiles& files) {
    toggle.setCheckable(true);
    toggle.setChecked(QSettings().value(SettingKey, true).toBool());
    Apply(files, toggle.isChecked());
    QObject::connect(&toggle, &QAction::toggled, &files, [&files](bool clearable) {
        QSettings().setValue(SettingKey, clearable);
        Apply(files, clearable);
    });
}
