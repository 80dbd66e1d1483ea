#pragma once

#include "files/import_chooser.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// How a file is imported, shown before it is read: its first records as a table, the separator,
// whether the first row names the columns, which two columns hold the words and their
// translations, and the list's description; a plain text file may also be read as a word list,
// one word a line. Every change is shown as the import will read it, through the same reader.
class ImportDlg : public QDialog {
    Q_OBJECT
public:
    ImportDlg(const QString& fileName, ImportPreviewer preview, const ImportChoice& start,
              QWidget* parent = nullptr);

    // The choice as shown: the separator and header row too, when the format has them.
    ImportChoice Choice() const;

    QTableWidget* Table() const { return table_; }
    QComboBox* SeparatorBox() const { return separator_; }
    QCheckBox* HeaderRowBox() const { return headerRow_; }
    QCheckBox* WordListBox() const { return wordList_; }
    QComboBox* WordBox() const { return word_; }
    QComboBox* TranslationBox() const { return translation_; }
    QLineEdit* DescriptionEdit() const { return description_; }
    QLabel* ProblemLabel() const { return problem_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

private:
    // Reads the file again under the choice so far and shows it.
    void Refresh();
    void ShowColumns();

    ImportPreviewer preview_;
    ImportChoice choice_;
    ImportPreview shown_;
    QTableWidget* table_;
    QComboBox* separator_;
    QCheckBox* headerRow_;
    QCheckBox* wordList_;
    QComboBox* word_;
    QComboBox* translation_;
    QLineEdit* description_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
};
