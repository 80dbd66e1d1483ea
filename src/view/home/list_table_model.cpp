#include "view/home/list_table_model.h"

#include "view/board/board_painter.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

void ListTableModel::SetLists(std::vector<ListStanding> lists) {
    beginResetModel();
    lists_ = std::move(lists);
    endResetModel();
}

void ListTableModel::SetDimmed(const QColor& colour) {
    dimmed_ = colour;
    if (!lists_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::ForegroundRole});
    }
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lists_.size());
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ListStanding& list = At(index.row());
    const QString path = QString::fromStdString(list.path);
    if (role == Qt::ForegroundRole && !list.fileExists) {
        // A list whose file is gone stays, dimmed, until it is located.
        return dimmed_;
    }
    if (role == Qt::ToolTipRole) {
        return list.fileExists ? path : tr("%1 (the file is gone)").arg(path);
    }
    if (role == Qt::TextAlignmentRole && index.column() != Name) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
    case Name: {
        const QString description = DecodeWord(list.description);
        const QString file = QFileInfo(path).fileName();
        const QString name = description.isEmpty()
                                 ? file
                                 : tr("%1 (%2)", "list description, file").arg(description, file);
        return list.fileExists ? name : tr("%1, missing", "a list whose file is gone").arg(name);
    }
    case Pairs:
        return QVariant::fromValue(list.pairs);
    case Due:
        return QVariant::fromValue(list.dueToday);
    case Mature:
        return QVariant::fromValue(list.mature);
    case LastPractice:
        return list.lastPractice > 0
                   ? QLocale().toString(QDateTime::fromSecsSinceEpoch(list.lastPractice).date(),
                                        QLocale::ShortFormat)
                   : QString();
    default:
        return {};
    }
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case Name:
        return tr("List");
    case Pairs:
        return tr("Pairs");
    case Due:
        return tr("Due today");
    case Mature:
        return tr("Mature");
    case LastPractice:
        return tr("Last practice");
    default:
        return {};
    }
}
