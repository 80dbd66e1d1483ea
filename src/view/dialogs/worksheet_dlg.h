#pragma once

#include "files/worksheet.h"

#include <QDialog>

class QComboBox;
class QRadioButton;
class QSpinBox;

// File > Print Worksheet…: which layout, and for a test which column is left blank and the
// seed of its order.
class WorksheetDlg : public QDialog {
    Q_OBJECT
public:
    explicit WorksheetDlg(QWidget* parent = nullptr);

    WorksheetOptions Options() const;
    QRadioButton* LayoutButton(WorksheetLayout layout) const;
    QComboBox* BlankBox() const { return blank_; }
    QSpinBox* SeedBox() const { return seed_; }

private:
    QRadioButton* list_;
    QRadioButton* test_;
    QRadioButton* cards_;
    QComboBox* blank_;
    QSpinBox* seed_;
};
