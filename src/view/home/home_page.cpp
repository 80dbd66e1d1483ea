#include "view/home/home_page.h"

#include "view/date_of_day.h"
#include "view/home/list_table_model.h"
#include "view/home/year_calendar.h"

#include <QCheckBox>
#include <QDate>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Between the text and the background: themes' disabled and placeholder colours can nearly
// vanish on a dark background, this stays readable on light and dark ones alike.
QColor DimmedText(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    constexpr float Share = 0.6F;
    return QColor::fromRgbF(base.redF() + (text.redF() - base.redF()) * Share,
                            base.greenF() + (text.greenF() - base.greenF()) * Share,
                            base.blueF() + (text.blueF() - base.blueF()) * Share);
}

// Enter on the table opens the list, as a double click does.
class ListTable : public QTableView {
public:
    using QTableView::QTableView;
    std::function<void()> onEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            currentIndex().isValid() && onEnter) {
            onEnter();
            return;
        }
        QTableView::keyPressEvent(event);
    }
};

} // namespace

HomePage::HomePage(QWidget* parent)
    : QWidget(parent), today_(new QLabel(this)), startReview_(new QPushButton(tr("Start Review"))),
      goal_(new QProgressBar), streaks_(new QLabel),
      remindAtLogin_(new QCheckBox(tr("Remind me at &login"))), model_(new ListTableModel(this)),
      review_(new QPushButton(tr("&Review"))), type_(new QPushButton(tr("T&ype"))),
      edit_(new QPushButton(tr("&Edit"))), locate_(new QPushButton(tr("&Locate…"))),
      examples_(new QGroupBox(tr("Start here"))), exampleButtons_(new QVBoxLayout),
      calendar_(new YearCalendar), back_(new QPushButton(tr("&Back to the Game"))) {
    setObjectName(QStringLiteral("HomePage"));
    QFont large = today_->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    today_->setFont(large);
    today_->setWordWrap(true);
    startReview_->setFont(large);
    startReview_->setMinimumHeight(startReview_->sizeHint().height() * 3 / 2);
    // Game > Today's Review owns Ctrl+D; the button has no key of its own.
    startReview_->setAutoDefault(false);
    goal_->setTextVisible(true);
    back_->setToolTip(tr("Escape"));

    auto* todayBox = new QGroupBox(tr("Today"));
    auto* todayColumn = new QVBoxLayout(todayBox);
    todayColumn->addWidget(today_);
    todayColumn->addWidget(startReview_);
    todayColumn->addWidget(goal_);
    todayColumn->addWidget(streaks_);
    todayColumn->addWidget(remindAtLogin_);
    remindAtLogin_->setToolTip(tr("When you log in, a desktop notification tells of the pairs "
                                  "due that day"));
    connect(remindAtLogin_, &QCheckBox::toggled, this, &HomePage::RemindAtLoginToggled);

    auto* table = new ListTable;
    lists_ = table;
    lists_->setModel(model_);
    lists_->setAccessibleName(tr("Your lists"));
    lists_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lists_->setSelectionMode(QAbstractItemView::SingleSelection);
    lists_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lists_->setTabKeyNavigation(false);
    lists_->verticalHeader()->hide();
    lists_->horizontalHeader()->setSectionResizeMode(ListTableModel::Name, QHeaderView::Stretch);
    for (int column = ListTableModel::Pairs; column < ListTableModel::ColumnCount; ++column) {
        lists_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    const auto withCurrent = [this](void (HomePage::*signal)(const ListStanding&)) {
        return [this, signal] {
            if (const ListStanding* list = CurrentList()) {
                emit(this->*signal)(*list);
            }
        };
    };
    table->onEnter = withCurrent(&HomePage::OpenRequested);
    connect(lists_, &QTableView::doubleClicked, this, withCurrent(&HomePage::OpenRequested));
    connect(review_, &QPushButton::clicked, this, withCurrent(&HomePage::ReviewRequested));
    connect(type_, &QPushButton::clicked, this, withCurrent(&HomePage::TypeRequested));
    connect(edit_, &QPushButton::clicked, this, withCurrent(&HomePage::EditRequested));
    connect(locate_, &QPushButton::clicked, this, withCurrent(&HomePage::LocateRequested));
    review_->setToolTip(tr("Deals this list's pairs that are due today"));
    type_->setToolTip(tr("Asks for the partner of each word of this list"));
    edit_->setToolTip(tr("Opens this list in the word-list editor"));
    locate_->setToolTip(tr("Points to the list's file in its new place; its progress follows it"));

    auto* listBox = new QGroupBox(tr("Your lists"));
    auto* listColumn = new QVBoxLayout(listBox);
    listColumn->addWidget(lists_, 1);
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* button : {review_, type_, edit_, locate_}) {
        button->setAutoDefault(false);
        listButtons->addWidget(button);
    }
    listButtons->addStretch();
    listColumn->addLayout(listButtons);

    auto* exampleColumn = new QVBoxLayout(examples_);
    exampleColumn->addLayout(exampleButtons_);
    auto* newList = new QPushButton(tr("New Word List"));
    auto* import = new QPushButton(tr("Import…"));
    for (QPushButton* button : {newList, import}) {
        button->setAutoDefault(false);
        exampleColumn->addWidget(button);
    }
    exampleColumn->addStretch();
    connect(newList, &QPushButton::clicked, this, &HomePage::NewListRequested);
    connect(import, &QPushButton::clicked, this, &HomePage::ImportRequested);

    auto* yearBox = new QGroupBox(tr("A year of practice"));
    auto* yearColumn = new QVBoxLayout(yearBox);
    yearColumn->addWidget(calendar_);

    auto* top = new QHBoxLayout;
    top->addWidget(todayBox, 1);
    top->addWidget(examples_);
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addLayout(top);
    column->addWidget(listBox, 1);
    column->addWidget(yearBox);
    auto* backRow = new QHBoxLayout;
    backRow->addStretch();
    backRow->addWidget(back_);
    column->addLayout(backRow);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    connect(startReview_, &QPushButton::clicked, this, &HomePage::StartReviewRequested);
    connect(back_, &QPushButton::clicked, this, &HomePage::BackRequested);
    connect(lists_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &HomePage::UpdateListButtons);
    // Today, then the lists, then the examples.
    newList_ = newList;
    QWidget* previous = startReview_;
    for (QWidget* next :
         std::initializer_list<QWidget*>{remindAtLogin_, lists_, review_, type_, edit_, locate_,
                                         newList, import, calendar_, back_}) {
        setTabOrder(previous, next);
        previous = next;
    }
    model_->SetDimmed(DimmedText(palette()));
    UpdateListButtons();
}

void HomePage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        model_->SetDimmed(DimmedText(palette()));
    }
    QWidget::changeEvent(event);
}

void HomePage::keyPressEvent(QKeyEvent* event) {
    // Escape reaches the page from whichever part has the focus and did not want it.
    if (event->key() == Qt::Key_Escape && back_->isVisible()) {
        back_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HomePage::SetRemindAtLogin(bool on) {
    const QSignalBlocker quiet(remindAtLogin_);
    remindAtLogin_->setChecked(on);
}

QString HomePage::TodayText() const {
    return today_->text();
}

void HomePage::Show(const PracticeOverview& overview, const QStringList& examples,
                    bool gameInPlay) {
    const std::int64_t due = overview.summary.dueNow;
    if (due > 0) {
        today_->setText(tr("%n pairs are due today", "", static_cast<int>(due)));
    } else if (overview.summary.next) {
        today_->setText(
            tr("Nothing is due today. Next: %n pairs on %1", "",
               static_cast<int>(overview.summary.next->pairs))
                .arg(QLocale().toString(DateOf(overview.summary.next->day), QLocale::LongFormat)));
    } else {
        today_->setText(tr("Nothing is due. Play a list to start your reviews."));
    }
    startReview_->setEnabled(due > 0);
    startReview_->setAccessibleDescription(today_->text());
    const int goal = static_cast<int>(overview.goal);
    goal_->setRange(0, goal);
    goal_->setValue(static_cast<int>(std::min<std::int64_t>(overview.practisedToday, goal)));
    goal_->setFormat(tr("%1 of %n pairs practised today", "", goal).arg(overview.practisedToday));
    goal_->setAccessibleName(goal_->format());
    streaks_->setText(tr("Streak: %n days", "", overview.streaks.current) + QStringLiteral(" · ") +
                      tr("longest: %n days", "", overview.streaks.longest));
    model_->SetLists(overview.lists);
    if (model_->rowCount() > 0) {
        lists_->setCurrentIndex(model_->index(0, 0));
    }
    calendar_->SetDays(overview.days, overview.today);
    ShowExamples(overview.lists.empty() ? examples : QStringList());
    examples_->setVisible(true);
    back_->setVisible(gameInPlay);
    UpdateListButtons();
}

void HomePage::ShowProblem(const QString& problem, const QStringList& examples, bool gameInPlay) {
    today_->setText(problem);
    startReview_->setEnabled(false);
    goal_->setValue(0);
    streaks_->clear();
    model_->SetLists({});
    ShowExamples(examples);
    back_->setVisible(gameInPlay);
    UpdateListButtons();
}

void HomePage::ShowExamples(const QStringList& examples) {
    while (QLayoutItem* item = exampleButtons_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QWidget* previous = locate_;
    for (const QString& path : examples) {
        auto* button = new QPushButton(QFileInfo(path).completeBaseName());
        button->setAutoDefault(false);
        button->setToolTip(path);
        button->setAccessibleName(tr("Example: %1").arg(QFileInfo(path).completeBaseName()));
        connect(button, &QPushButton::clicked, this, [this, path] { emit ExampleRequested(path); });
        exampleButtons_->addWidget(button);
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, newList_);
}

const ListStanding* HomePage::CurrentList() const {
    const QModelIndex current = lists_->currentIndex();
    return current.isValid() ? &model_->At(current.row()) : nullptr;
}

void HomePage::UpdateListButtons() {
    const ListStanding* list = CurrentList();
    const bool present = list && list->fileExists;
    review_->setEnabled(list && list->dueToday > 0);
    type_->setEnabled(present);
    edit_->setEnabled(present);
    locate_->setVisible(list && !list->fileExists);
}
