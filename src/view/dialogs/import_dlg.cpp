#include "view/dialogs/import_dlg.h"

#include "view/board/message_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddSeparators(QComboBox* box) {
    const std::pair<const char*, char> separators[] = {
        {QT_TRANSLATE_NOOP("ImportDlg", "Tab"), '\t'},
        {QT_TRANSLATE_NOOP("ImportDlg", "Semicolon ( ; )"), ';'},
        {QT_TRANSLATE_NOOP("ImportDlg", "Comma ( , )"), ','},
        {QT_TRANSLATE_NOOP("ImportDlg", "Space"), ' '},
        {QT_TRANSLATE_NOOP("ImportDlg", "Vertical bar ( | )"), '|'},
    };
    for (const auto& [name, separator] : separators) {
        box->addItem(ImportDlg::tr(name), QVariant(static_cast<int>(separator)));
    }
}

// "2: Meaning", or "Column 2" where the column has no name.
QString ColumnTitle(const ImportPreview& preview, std::size_t column) {
    const QString number = QString::number(column + 1);
    const std::vector<std::string>& names = preview.head.columnNames;
    if (column < names.size() && !names[column].empty()) {
        return QStringLiteral("%1: %2").arg(number, Utf8(names[column]));
    }
    return ImportDlg::tr("Column %1").arg(number);
}

} // namespace

ImportDlg::ImportDlg(const QString& fileName, ImportPreviewer preview, const ImportChoice& start,
                     QWidget* parent)
    : QDialog(parent), preview_(std::move(preview)), choice_(start), table_(new QTableWidget(this)),
      separator_(new QComboBox(this)),
      headerRow_(new QCheckBox(tr("First row holds column names"), this)),
      wordList_(new QCheckBox(tr("Read as a word list, one word a line"), this)),
      word_(new QComboBox(this)), translation_(new QComboBox(this)),
      description_(new QLineEdit(this)), problem_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Import %1").arg(fileName));
    AddSeparators(separator_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setAccessibleName(tr("The first records of the file"));
    table_->setMinimumSize(520, 260);
    problem_->setWordWrap(true);
    problem_->setTextFormat(Qt::PlainText);

    auto* layout = new QVBoxLayout(this);
    auto* previewLabel = new QLabel(tr("&Preview:"), this);
    previewLabel->setBuddy(table_);
    layout->addWidget(previewLabel);
    layout->addWidget(table_);
    layout->addWidget(problem_);
    auto* form = new QFormLayout;
    form->addRow(QString(), wordList_);
    form->addRow(tr("&Separator:"), separator_);
    form->addRow(QString(), headerRow_);
    form->addRow(tr("&Word column:"), word_);
    form->addRow(tr("&Translation column:"), translation_);
    form->addRow(tr("&Description:"), description_);
    layout->addLayout(form);
    layout->addWidget(buttons_);
    // The labels name their controls for a screen reader; the check box names itself.
    separator_->setAccessibleName(tr("Separator"));
    word_->setAccessibleName(tr("Word column"));
    translation_->setAccessibleName(tr("Translation column"));
    description_->setAccessibleName(tr("Description"));

    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(separator_, &QComboBox::currentIndexChanged, this, [this] {
        choice_.separator = static_cast<char>(separator_->currentData().toInt());
        choice_.headerRow.reset();
        choice_.columns.reset();
        Refresh();
    });
    connect(wordList_, &QCheckBox::toggled, this, [this](bool checked) {
        choice_.wordList = checked;
        Refresh();
    });
    connect(headerRow_, &QCheckBox::toggled, this, [this](bool checked) {
        choice_.headerRow = checked;
        choice_.columns.reset();
        Refresh();
    });
    for (QComboBox* box : {word_, translation_}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            choice_.columns = ColumnPair{static_cast<std::size_t>(word_->currentIndex()),
                                         static_cast<std::size_t>(translation_->currentIndex())};
            ShowColumns();
        });
    }
    connect(description_, &QLineEdit::textEdited, this,
            [this](const QString& text) { choice_.description = text.toStdString(); });
    Refresh();
}

ImportChoice ImportDlg::Choice() const {
    ImportChoice choice = choice_;
    if (shown_.eitherWay) {
        choice.wordList = shown_.wordList;
    }
    if (shown_.head.separator != 0) {
        choice.separator = shown_.head.separator;
    }
    if (shown_.head.mayHaveHeaderRow) {
        choice.headerRow = shown_.head.headerRow;
    }
    choice.columns = shown_.head.columns;
    return choice;
}

void ImportDlg::Refresh() {
    shown_ = preview_(choice_);
    const TableHead& head = shown_.head;
    const QSignalBlocker blockSeparator(separator_);
    const QSignalBlocker blockHeaderRow(headerRow_);
    const QSignalBlocker blockWordList(wordList_);
    const QSignalBlocker blockWord(word_);
    const QSignalBlocker blockTranslation(translation_);
    wordList_->setVisible(shown_.eitherWay);
    wordList_->setChecked(shown_.wordList);
    separator_->setEnabled(head.separator != 0);
    headerRow_->setEnabled(head.mayHaveHeaderRow);
    word_->setEnabled(!shown_.wordList);
    translation_->setEnabled(!shown_.wordList);
    separator_->setCurrentIndex(separator_->findData(static_cast<int>(head.separator)));
    headerRow_->setChecked(head.headerRow);
    if (choice_.description.empty()) {
        description_->setText(Utf8(head.description));
    }
    problem_->setText(shown_.problem ? MessageText(*shown_.problem) : QString());
    problem_->setVisible(shown_.problem.has_value());

    const auto columns = static_cast<int>(shown_.columnCount);
    table_->clear();
    table_->setColumnCount(columns);
    table_->setRowCount(static_cast<int>(shown_.rows.size()));
    word_->clear();
    translation_->clear();
    for (int column = 0; column < columns; ++column) {
        const QString title = ColumnTitle(shown_, static_cast<std::size_t>(column));
        table_->setHorizontalHeaderItem(column, new QTableWidgetItem(title));
        word_->addItem(title);
        translation_->addItem(title);
    }
    QStringList lines;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const TableRow& record = shown_.rows[static_cast<std::size_t>(row)];
        lines.append(QString::number(record.line));
        for (std::size_t column = 0; column < record.fields.size(); ++column) {
            table_->setItem(row, static_cast<int>(column),
                            new QTableWidgetItem(Utf8(record.fields[column])));
        }
    }
    table_->setVerticalHeaderLabels(lines);
    word_->setCurrentIndex(static_cast<int>(head.columns.word));
    translation_->setCurrentIndex(static_cast<int>(head.columns.translation));
    ShowColumns();
}

void ImportDlg::ShowColumns() {
    if (choice_.columns) {
        shown_.head.columns = *choice_.columns;
    }
    const ColumnPair& columns = shown_.head.columns;
    for (int column = 0; column < table_->columnCount(); ++column) {
        QTableWidgetItem* header = table_->horizontalHeaderItem(column);
        QFont font = header->font();
        const auto at = static_cast<std::size_t>(column);
        font.setBold(at == columns.word || at == columns.translation);
        header->setFont(font);
    }
    const bool readable = !shown_.problem && columns.word != columns.translation &&
                          std::max(columns.word, columns.translation) < shown_.columnCount;
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(readable);
    table_->resizeColumnsToContents();
}
