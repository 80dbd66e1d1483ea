#include "view/dialogs/draw_level_dlg.h"

#include "view/dialogs/dialog_units.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CDrawLevelDlg::CDrawLevelDlg(const QString& levelText, QWidget* parent)
    : QDialog(parent), LevelText(levelText) {
    setWindowTitle(tr("Draw Level"));
    const DialogUnits units(font());
    setFixedSize(units.Size(187, 75));

    // Created in tab order: OK, Cancel, then the edit box.
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setGeometry(units.Rect(130, 54, 50, 14));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setGeometry(units.Rect(72, 54, 50, 14));
    levelEdit_ = new QLineEdit(LevelText, this);
    levelEdit_->setGeometry(units.Rect(129, 28, 51, 15));

    auto* prompt =
        new QLabel(tr("Enter 0 for normal display or the level number for a single level.  "
                      "E.G. 1, 2, 3,..."),
                   this);
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    prompt->setGeometry(units.Rect(7, 7, 173, 21));

    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, levelEdit_);

    connect(okButton_, &QPushButton::clicked, this, [this] {
        LevelText = levelEdit_->text();
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void CDrawLevelDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The player tabs or clicks into the edit box before typing.
    okButton_->setFocus(Qt::TabFocusReason);
}
