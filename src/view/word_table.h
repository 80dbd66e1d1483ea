#pragma once

#include <QTableView>

// The editor's table, made for typing a list: Enter goes down to the next row, Tab across to
// the next word, and the checks' column is passed over.
class WordTable : public QTableView {
    Q_OBJECT
public:
    explicit WordTable(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void MoveDown();
};
