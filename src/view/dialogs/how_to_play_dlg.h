#pragma once

#include <QDialog>

// Help > How to Play: the rules on one page, each beside a picture drawn by the board's own
// painter, so that the tiles look as they do in play.
class CHowToPlayDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHowToPlayDlg(QWidget* parent = nullptr);
};
