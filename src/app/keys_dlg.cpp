#include "app/keys_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

struct KeyUse {
    const char* keys;
    const char* use;
};

// The README lists the same keys.
constexpr KeyUse KeyUses[] = {
    {QT_TRANSLATE_NOOP("CKeysDlg", "Right, Left"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Next or previous stack with a tile, row by row")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Up, Down"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Nearest stack with a tile above or below")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Home, End"),
     QT_TRANSLATE_NOOP("CKeysDlg", "First or last stack with a tile")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Enter, Return, Space"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Pick the tile under the cursor, or drop the selection")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Shift+Enter (hold)"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Peek at the tile's partner word (counts as a hint)")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Escape"), QT_TRANSLATE_NOOP("CKeysDlg", "Drop the selection")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+H"), QT_TRANSLATE_NOOP("CKeysDlg", "Hint")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+R"), QT_TRANSLATE_NOOP("CKeysDlg", "Auto Remove Pair")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+F"), QT_TRANSLATE_NOOP("CKeysDlg", "Fast Auto Finish")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Page Down, Page Up"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Show the next level down or up alone")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+L"), QT_TRANSLATE_NOOP("CKeysDlg", "Show all levels")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl++ or Ctrl+=, Ctrl+-"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Zoom in, zoom out")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+0"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Fit the board to the window")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+F, Alt+E, Alt+V, Alt+G, Alt+T, Alt+H"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Open a menu")},
};

} // namespace

CKeysDlg::CKeysDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Keys"));
    auto* list = new QTreeWidget(this);
    list->setColumnCount(2);
    list->setHeaderLabels({tr("Keys"), tr("What they do")});
    list->setRootIsDecorated(false);
    for (const KeyUse& key : KeyUses) {
        new QTreeWidgetItem(list, {tr(key.keys), tr(key.use)});
    }
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(560, 420);
}
