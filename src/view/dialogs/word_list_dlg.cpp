#include "view/dialogs/word_list_dlg.h"

#include "view/board/board_painter.h"
#include "view/dialogs/dialog_units.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace {
constexpr int ColumnWidth = 250;

QTreeWidgetItem* RowOf(const WordPair& pair) {
    QStringList texts{DecodeWord(*pair.TextA)};
    texts.append(pair.TextB ? DecodeWord(*pair.TextB) : QString());
    return new QTreeWidgetItem(texts);
}
} // namespace

CWordListDlg::CWordListDlg(const WordPairList& list, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Word List"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("TextA"), QStringLiteral("TextB")});
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->setColumnWidth(0, ColumnWidth);
    list_->setColumnWidth(1, ColumnWidth);

    // Resizable, and wide enough at first for both columns without a scroll bar.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(list_);
    const DialogUnits units(font());
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    const int wide = 2 * ColumnWidth + margins + 2 * list_->frameWidth() +
                     list_->verticalScrollBar()->sizeHint().width();
    resize(units.Size(267, 142).expandedTo(QSize(wide, 2 * wide / 3)));

    // Handed over in one go: long lists open at once.
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(list.size()));
    for (const WordPair& pair : list) {
        if (pair.TextA) {
            rows.append(RowOf(pair));
        }
    }
    list_->addTopLevelItems(rows);
}
