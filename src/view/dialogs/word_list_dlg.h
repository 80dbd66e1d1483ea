#pragma once

#include "words/word_pair.h"

#include <QDialog>

class QTreeWidget;

// Shows the loaded word list, one pair to a row; nothing in it changes the game.
class CWordListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWordListDlg(const WordPairList& list, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }

private:
    QTreeWidget* list_;
};
