#pragma once

#include <QDialog>

// Help > Keys: every key of the program, the board's own and those of the commands.
class CKeysDlg : public QDialog {
    Q_OBJECT
public:
    explicit CKeysDlg(QWidget* parent = nullptr);
};
