#pragma once

#include <QDialog>

// Help > Keys: every key that plays the game without a mouse.
class CKeysDlg : public QDialog {
    Q_OBJECT
public:
    explicit CKeysDlg(QWidget* parent = nullptr);
};
