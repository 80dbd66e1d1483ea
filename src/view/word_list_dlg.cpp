#include "view/word_list_dlg.h"

#include "view/board_painter.h"
#include "view/dialog_units.h"

#include <QHeaderView>
#include <QPushButton>
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
    const DialogUnits units(font());
    setFixedSize(units.Size(267, 142));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(units.Rect(210, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    list_ = new QTreeWidget(this);
    list_->setGeometry(units.Rect(7, 26, 253, 109));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("TextA"), QStringLiteral("TextB")});
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->header()->setStretchLastSection(false);
    list_->setColumnWidth(0, ColumnWidth);
    list_->setColumnWidth(1, ColumnWidth);

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
