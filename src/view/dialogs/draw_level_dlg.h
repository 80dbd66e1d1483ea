#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks which level to show alone; 0 shows them all again.
class CDrawLevelDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDrawLevelDlg(const QString& levelText, QWidget* parent = nullptr);

    // The edit box's text as it stood when OK was pressed.
    QString LevelText;

    QLineEdit* LevelEdit() const { return levelEdit_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* levelEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
