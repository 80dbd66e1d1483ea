#include "view/dialogs/class_results_dlg.h"

#include "learning/class_tables.h"
#include "view/board/message_text.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Rows of text, each cell with the value it sorts by, so that "9" comes before "10" and a
// pair nobody has reviewed after every figure of recall.
class SortedTextModel : public QAbstractTableModel {
public:
    SortedTextModel(QStringList headings, const TextRows& rows,
                    std::vector<std::vector<QVariant>> keys, QObject* parent)
        : QAbstractTableModel(parent), headings_(std::move(headings)), keys_(std::move(keys)) {
        for (const std::vector<std::string>& row : rows) {
            QStringList cells;
            for (const std::string& cell : row) {
                cells.append(QString::fromStdString(cell));
            }
            rows_.push_back(cells);
        }
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(headings_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const auto row = static_cast<std::size_t>(index.row());
        const auto column = static_cast<std::size_t>(index.column());
        if (!index.isValid() || row >= rows_.size() ||
            static_cast<qsizetype>(column) >= rows_[row].size()) {
            return {};
        }
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return rows_[row][index.column()];
        case Qt::UserRole:
            return column < keys_[row].size() && keys_[row][column].isValid()
                       ? keys_[row][column]
                       : QVariant(rows_[row][index.column()]);
        case Qt::TextAlignmentRole:
            return column < keys_[row].size() && keys_[row][column].isValid()
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant();
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < headings_.size()) {
            return headings_[section];
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QStringList headings_;
    std::vector<QStringList> rows_;
    std::vector<std::vector<QVariant>> keys_;
};

QTableView* SortableTable(const QString& name, SortedTextModel* model, QWidget* parent) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(model);
    proxy->setSortRole(Qt::UserRole);
    auto* table = new QTableView(parent);
    table->setModel(proxy);
    table->setAccessibleName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // A line of text a row, so that a class's list shows more than a handful of pairs.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setStretchLastSection(true);
    // The rows come in their own order until a heading is clicked.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    table->resizeColumnsToContents();
    return table;
}

// A pair's sort values: learners and misses as numbers, and its recall, where none sorts last.
std::vector<std::vector<QVariant>> PairKeys(const ClassResults& results) {
    std::vector<std::vector<QVariant>> keys;
    for (const ClassPair& pair : results.pairs) {
        keys.push_back({{}, {}, pair.learners, pair.missed, pair.meanRecall.value_or(2.0)});
    }
    return keys;
}

std::vector<std::vector<QVariant>> LearnerKeys(const ClassResults& results) {
    std::vector<std::vector<QVariant>> keys;
    for (const ClassLearner& learner : results.learners) {
        keys.push_back({{}, learner.seen, learner.due, learner.mature});
    }
    return keys;
}

QString NoteOn(const ClassResults& results) {
    QStringList lines{ClassResultsDlg::tr("The class's results for %1: %n learner(s)", nullptr,
                                          static_cast<int>(results.learners.size()))
                          .arg(QString::fromStdString(results.description))};
    for (const Message& note : results.notes) {
        lines.append(MessageText(note));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QStringList ClassResultsDlg::PairHeadings() {
    return {tr("Word"),   tr("Partner"),           tr("Learners"),
            tr("Missed"), tr("Mean recall today"), tr("Hardest for")};
}

QStringList ClassResultsDlg::LearnerHeadings() {
    return {tr("Learner"), tr("Pairs seen"), tr("Due"), tr("Mature"), tr("Last practice")};
}

ClassResultsDlg::ClassResultsDlg(const ClassResults& results,
                                 const std::function<void()>& exportCsv,
                                 const std::function<void()>& print, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Class Results"));
    auto* layout = new QVBoxLayout(this);
    note_ = new QLabel(NoteOn(results), this);
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);
    layout->addWidget(note_);

    pairs_ = SortableTable(
        tr("Pairs, hardest first"),
        new SortedTextModel(PairHeadings(), ClassPairRows(results), PairKeys(results), this), this);
    layout->addWidget(pairs_, 3);
    learners_ = SortableTable(tr("Learners"),
                              new SortedTextModel(LearnerHeadings(), ClassLearnerRows(results),
                                                  LearnerKeys(results), this),
                              this);
    layout->addWidget(learners_, 2);

    auto* buttons = new QDialogButtonBox(this);
    deal_ = buttons->addButton(tr("Deal the Class's Hardest Pairs"), QDialogButtonBox::AcceptRole);
    edit_ = buttons->addButton(tr("Edit as New List"), QDialogButtonBox::ActionRole);
    const bool met = std::any_of(results.pairs.begin(), results.pairs.end(),
                                 [](const ClassPair& pair) { return pair.learners > 0; });
    deal_->setEnabled(met);
    edit_->setEnabled(met);
    QPushButton* csv = buttons->addButton(tr("Export CSV..."), QDialogButtonBox::ActionRole);
    QPushButton* printButton = buttons->addButton(tr("Print..."), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("Close"));
    connect(deal_, &QPushButton::clicked, this, &QDialog::accept);
    connect(edit_, &QPushButton::clicked, this, [this] { done(EditHardest); });
    connect(csv, &QPushButton::clicked, this, [exportCsv] { exportCsv(); });
    connect(printButton, &QPushButton::clicked, this, [print] { print(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(820, 680);
}
