#include "view/dialogs/worksheet_dlg.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

WorksheetDlg::WorksheetDlg(QWidget* parent)
    : QDialog(parent), list_(new QRadioButton(tr("&List: both columns, ruled"))),
      test_(new QRadioButton(tr("&Test: one column blank, with an answer key"))),
      cards_(new QRadioButton(tr("&Cards to cut out, for printing on both sides"))),
      blank_(new QComboBox), seed_(new QSpinBox) {
    setWindowTitle(tr("Print Worksheet"));
    auto* layouts = new QGroupBox(tr("Layout"));
    auto* buttons = new QVBoxLayout(layouts);
    for (QRadioButton* button : {list_, test_, cards_}) {
        buttons->addWidget(button);
    }
    list_->setChecked(true);

    blank_->addItem(tr("Mixed"), static_cast<int>(BlankColumn::Mixed));
    blank_->addItem(tr("Words"), static_cast<int>(BlankColumn::Words));
    blank_->addItem(tr("Translations"), static_cast<int>(BlankColumn::Translations));
    blank_->setAccessibleName(tr("Blank column"));
    seed_->setRange(0, 999999);
    // A new order each time unless the teacher asks for an old one again.
    seed_->setValue(static_cast<int>(QDateTime::currentSecsSinceEpoch() % 1000000));
    seed_->setAccessibleName(tr("Seed"));
    auto* test = new QFormLayout;
    test->addRow(tr("&Blank column:"), blank_);
    test->addRow(tr("&Seed:"), seed_);
    for (QWidget* field : {static_cast<QWidget*>(blank_), static_cast<QWidget*>(seed_)}) {
        field->setEnabled(false);
        connect(test_, &QRadioButton::toggled, field, &QWidget::setEnabled);
    }

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(layouts);
    layout->addLayout(test);
    layout->addWidget(box);
}

QRadioButton* WorksheetDlg::LayoutButton(WorksheetLayout layout) const {
    switch (layout) {
    case WorksheetLayout::Test:
        return test_;
    case WorksheetLayout::Cards:
        return cards_;
    default:
        return list_;
    }
}

WorksheetOptions WorksheetDlg::Options() const {
    const WorksheetLayout layout = test_->isChecked()    ? WorksheetLayout::Test
                                   : cards_->isChecked() ? WorksheetLayout::Cards
                                                         : WorksheetLayout::List;
    return {layout, static_cast<BlankColumn>(blank_->currentData().toInt()),
            static_cast<std::uint32_t>(seed_->value())};
}
