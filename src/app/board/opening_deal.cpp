#include "app/board/opening_deal.h"

#include "app/board/glossatiles_view.h"
#include "game/deal.h"

#include <QAction>
#include <QSettings>

namespace {
const char* const SettingKey = "game/dealBoardsThatCanBeCleared";

void Apply(CGlossatilesView& view, bool clearable) {
    view.SetOpeningDeal(clearable ? DealKind::Unblocked : DealKind::Plain);
}
} // namespace

void BindOpeningDeal(QAction& toggle, CGlossatilesView& view) {
    toggle.setCheckable(true);
    toggle.setChecked(QSettings().value(SettingKey, true).toBool());
    Apply(view, toggle.isChecked());
    QObject::connect(&toggle, &QAction::toggled, &view, [&view](bool clearable) {
        QSettings().setValue(SettingKey, clearable);
        Apply(view, clearable);
    });
}
