#pragma once

#include <QTableView>

// The editor's table, made for typing a list: Tab goes across to the next word, Enter down to
// the next row, back in the column where Tab started, as spreadsheets do; the checks' column is
// passed over.
class WordTable : public QTableView {
    Q_OBJECT
public:
    explicit WordTable(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void MoveDown();

    // Where the row's Tabs began, or -1.
    int tabStartColumn_ = -1;
};
