#include "view/dialogs/word_list_dlg.h"

#include "view/board/board_painter.h"
#include "view/dialogs/dialog_units.h"
#include "view/dialogs/picture_label.h"
#include "words/side_line.h"

#include <QBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QIcon>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

namespace {
constexpr int ColumnWidth = 250;
constexpr int IconSide = 32;

// Each picture file decoded once, however many sides show it.
class SideIcons {
public:
    SideIcons(std::string_view listPath, const MediaFinder& finder)
        : listPath_(listPath), finder_(finder) {}

    QIcon Of(const SideParts& side) {
        if (side.image.empty() || !finder_) {
            return {};
        }
        const std::string file = finder_(side.image, MediaKind::Picture, listPath_);
        const QString key = QString::fromStdString(file);
        if (!icons_.contains(key)) {
            icons_.insert(key, file.empty() ? QIcon() : PictureFileIcon(file, IconSide));
        }
        return icons_.value(key);
    }

private:
    std::string_view listPath_;
    const MediaFinder& finder_;
    QHash<QString, QIcon> icons_;
};

QTreeWidgetItem* RowOf(const WordPair& pair, SideIcons& icons, bool notes) {
    const SideParts a = ParseSide(*pair.TextA);
    const SideParts b = ParseSide(pair.TextB.value_or(""));
    QStringList texts{DecodeWord(ShownText(a))};
    texts.append(pair.TextB ? DecodeWord(ShownText(b)) : QString());
    if (notes) {
        texts.append(DecodeWord(PairNote(*pair.TextA, pair.TextB.value_or(""))));
    }
    auto* row = new QTreeWidgetItem(texts);
    row->setIcon(0, icons.Of(a));
    row->setIcon(1, icons.Of(b));
    return row;
}
} // namespace

CWordListDlg::CWordListDlg(const WordPairList& list, std::string_view listPath,
                           const MediaFinder& pictures, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Word List"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    const bool notes = std::any_of(list.begin(), list.end(), [](const WordPair& pair) {
        return pair.TextA && !PairNote(*pair.TextA, pair.TextB.value_or("")).empty();
    });
    QStringList headings{QStringLiteral("TextA"), QStringLiteral("TextB")};
    if (notes) {
        headings.append(tr("Note"));
    }
    list_->setHeaderLabels(headings);
    list_->setIconSize(QSize(IconSide, IconSide));
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
    SideIcons icons(listPath, pictures);
    for (const WordPair& pair : list) {
        if (pair.TextA) {
            rows.append(RowOf(pair, icons, notes));
        }
    }
    list_->addTopLevelItems(rows);
}
