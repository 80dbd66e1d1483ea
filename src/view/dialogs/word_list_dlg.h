#pragma once

#include "view/board/side_pictures.h"
#include "words/word_pair.h"

#include <QDialog>

#include <string_view>

class QTreeWidget;

// Shows the loaded word list, one pair to a row: each side's words with its picture, and the
// pair's note when the list has notes. Nothing in it changes the game.
class CWordListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWordListDlg(const WordPairList& list, std::string_view listPath = {},
                          const MediaFinder& pictures = {}, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }

private:
    QTreeWidget* list_;
};
