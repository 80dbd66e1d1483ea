#include "view/dialogs/word_table.h"

#include "view/dialogs/word_list_model.h"

#include <QHeaderView>
#include <QKeyEvent>

WordTable::WordTable(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setWordWrap(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsClickable(true);
    // Rows of one height: a long list lays out without measuring every row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void WordTable::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState) {
        MoveDown();
        return;
    }
    QTableView::keyPressEvent(event);
}

void WordTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Tabs count within one row.
    if (current.row() != previous.row()) {
        tabStartColumn_ = -1;
    }
    QTableView::currentChanged(current, previous);
}

void WordTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        MoveDown();
        return;
    }
    QTableView::closeEditor(editor, hint);
}

QModelIndex WordTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    const bool forward = action == MoveNext;
    if ((forward || action == MovePrevious) && current.isValid()) {
        if (tabStartColumn_ < 0) {
            tabStartColumn_ = current.column();
        }
        // Tab goes word, translation, next row's word; Shift+Tab the other way.
        const int last = WordListModel::TranslationColumn;
        const int row = current.row() + (forward && current.column() >= last ? 1
                                         : !forward && current.column() == 0 ? -1
                                                                             : 0);
        const int column = forward ? (current.column() >= last ? 0 : current.column() + 1)
                                   : (current.column() == 0 ? last : current.column() - 1);
        const QModelIndex next = model()->index(row, std::min(column, last));
        return next.isValid() ? next : current;
    }
    return QTableView::moveCursor(action, modifiers);
}

void WordTable::MoveDown() {
    const QModelIndex current = currentIndex();
    const int column = tabStartColumn_ >= 0 ? tabStartColumn_ : current.column();
    tabStartColumn_ = -1;
    const QModelIndex below = model()->index(current.row() + 1, column);
    if (below.isValid()) {
        setCurrentIndex(below);
    }
}
