#pragma once

#include "learning/practice_record.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

// The lists the learner has played, one row each, as the home page shows them.
class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Pairs, Due, Mature, LastPractice, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void SetLists(std::vector<ListStanding> lists);
    const ListStanding& At(int row) const { return lists_[static_cast<std::size_t>(row)]; }
    // The text colour of a list whose file is gone, from the view's palette.
    void SetDimmed(const QColor& colour);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ListStanding> lists_;
    QColor dimmed_;
};
