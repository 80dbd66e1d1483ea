#include "app/shell/keys_dlg.h"

#include "app/base/command_ids.h"
#include "app/base/translated.h"
#include "app/shell/command_table.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {

struct KeyUse {
    const char* keys;
    const char* use;
};

// The board's own keys; every other key comes from the command table.
constexpr KeyUse BoardKeys[] = {
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
};

// "&Undo\tCtrl+Z" and "Save &As..." shown as "Undo" and "Save As".
QString MenuName(const char* context, std::string_view text) {
    QString name = Translated(context, text).section(QLatin1Char('\t'), 0, 0);
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QChar(0x2026))) {
        name.chop(1);
    }
    return name;
}

// "Edit > Undo" for a command in a menu, else its status-bar prompt.
QString UseOf(const Command& command) {
    for (const MenuLayout& menu : MenuBarLayout()) {
        if (std::find(menu.items.begin(), menu.items.end(), command.id) != menu.items.end()) {
            return QStringLiteral("%1 > %2").arg(MenuName("Menu", menu.title),
                                                 MenuName("Command", command.text));
        }
    }
    return Translated("Command", command.prompt).section(QLatin1Char('\n'), 0, 0);
}

QString KeysOf(const Command& command) {
    QStringList keys;
    for (const QKeySequence& key :
         QKeySequence::listFromString(QString::fromLatin1(command.shortcuts))) {
        keys.append(key.toString(QKeySequence::NativeText));
    }
    return keys.join(QStringLiteral(", "));
}

void AddRow(QTableWidget& table, const QString& keys, const QString& use) {
    const int row = table.rowCount();
    table.insertRow(row);
    table.setItem(row, 0, new QTableWidgetItem(keys));
    table.setItem(row, 1, new QTableWidgetItem(use));
}

} // namespace

CKeysDlg::CKeysDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Keys"));
    auto* table = new QTableWidget(0, 2, this);
    table->setHorizontalHeaderLabels({tr("Keys"), tr("What they do")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Long descriptions wrap onto more lines rather than being cut off.
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const KeyUse& key : BoardKeys) {
        AddRow(*table, tr(key.keys), tr(key.use));
    }
    for (const Command& command : Commands()) {
        if (!command.shortcuts.empty()) {
            AddRow(*table, KeysOf(command), UseOf(command));
        }
    }
    for (const MenuLayout& menu : MenuBarLayout()) {
        const QString title = Translated("Menu", menu.title);
        const qsizetype mnemonic = title.indexOf(QLatin1Char('&'));
        if (mnemonic >= 0 && mnemonic + 1 < title.size()) {
            const QKeySequence key(QKeyCombination(
                Qt::AltModifier, static_cast<Qt::Key>(title[mnemonic + 1].toUpper().unicode())));
            AddRow(*table, key.toString(QKeySequence::NativeText),
                   tr("Open the %1 menu").arg(MenuName("Menu", menu.title)));
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(560, 520);
}
