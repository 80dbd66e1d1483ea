#include "app/home/home_control.h"

#include "app/access/announcer.h"
#include "app/base/command_ids.h"
#include "app/base/game_in_play.h"
#include "app/base/prompter.h"
#include "app/learning/game_learning.h"
#include "app/learning/login_reminder.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "learning/practice_overview.h"
#include "view/board/message_text.h"
#include "view/home/home_page.h"

#include <QDir>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>

#include <algorithm>

#ifndef GLOSSATILES_SOURCE_EXAMPLES
#define GLOSSATILES_SOURCE_EXAMPLES ""
#endif

HomeControl::HomeControl(QStackedWidget& stack, QWidget& board, GameInPlay& game,
                         GameLearning& learning, Prompter& prompter,
                         std::function<void(int)> trigger)
    : QObject(&stack), stack_(stack), board_(board), game_(game), learning_(learning),
      prompter_(prompter), trigger_(std::move(trigger)) {
    // Whatever deals or opens a game shows it.
    connect(&game_, &GameInPlay::PlayEventOccurred, this, [this](const PlayEvent& event) {
        if (event.kind == PlayEventKind::GameStarted) {
            ShowBoard();
        }
    });
}

bool HomeControl::Showing() const {
    return page_ && stack_.currentWidget() == page_;
}

HomePage& HomeControl::Page() {
    // Made when first shown, so that a window opened on a file does not build it.
    if (page_) {
        return *page_;
    }
    page_ = new HomePage;
    stack_.addWidget(page_);
    using namespace CommandId;
    connect(page_, &HomePage::StartReviewRequested, this, [this] { trigger_(TodaysReview); });
    connect(page_, &HomePage::OpenRequested, this,
            [this](const ListStanding& list) { Open(QString::fromStdString(list.path)); });
    connect(page_, &HomePage::TypeRequested, this, [this](const ListStanding& list) {
        Open(QString::fromStdString(list.path), TypeTheWords);
    });
    connect(page_, &HomePage::EditRequested, this, [this](const ListStanding& list) {
        Open(QString::fromStdString(list.path), EditWordList);
    });
    connect(page_, &HomePage::ReviewRequested, this, &HomeControl::ReviewList);
    connect(page_, &HomePage::LocateRequested, this, &HomeControl::Locate);
    connect(page_, &HomePage::ExampleRequested, this, [this](const QString& path) { Open(path); });
    connect(page_, &HomePage::NewListRequested, this, [this] { trigger_(NewWordList); });
    connect(page_, &HomePage::ImportRequested, this, [this] { trigger_(FileImport); });
    connect(page_, &HomePage::BackRequested, this, &HomeControl::ShowBoard);
    connect(page_, &HomePage::RemindAtLoginToggled, this, [this](bool on) {
        if (QString problem; !SetLoginReminder(on, problem)) {
            game_.Host().ShowMessage(
                tr("The reminder at login could not be changed: %1").arg(problem).toStdString());
        }
        page_->SetRemindAtLogin(LoginReminderOn());
    });
    return *page_;
}

QStringList HomeControl::ExampleLists() {
    for (const QString& folder : {QStringLiteral("/usr/share/glossatiles/examples"),
                                  QStringLiteral(GLOSSATILES_SOURCE_EXAMPLES)}) {
        const QDir dir(folder);
        if (!folder.isEmpty() && dir.exists()) {
            QStringList lists;
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
                lists.push_back(dir.filePath(name));
            }
            return lists;
        }
    }
    return {};
}

void HomeControl::ShowHome() {
    Fill();
    stack_.setCurrentWidget(page_);
    page_->StartReviewButton()->isEnabled() ? page_->StartReviewButton()->setFocus()
                                            : page_->Lists()->setFocus();
    Announce(page_->TodayText());
}

void HomeControl::Refresh() {
    if (Showing()) {
        Fill();
    }
}

void HomeControl::Fill() {
    Page();
    ProgressStore& store = learning_.Store();
    const std::optional<PracticeOverview> overview = ReadPracticeOverview(store, learning_.Today());
    const bool inPlay = game_.State().HasBoard();
    if (overview) {
        page_->Show(*overview, ExampleLists(), inPlay);
    } else {
        page_->ShowProblem(tr("Progress cannot be read: %1").arg(MessageText(store.Problem())),
                           ExampleLists(), inPlay);
    }
    page_->SetRemindAtLogin(LoginReminderOn());
}

void HomeControl::ShowBoard() {
    stack_.setCurrentWidget(&board_);
}

void HomeControl::Open(const QString& path, int thenCommand) {
    bool opened = false;
    game_.Replace([&](GameDealer& dealer) { opened = dealer.OpenPath(path); });
    if (opened && thenCommand != 0) {
        trigger_(thenCommand);
    }
}

void HomeControl::ReviewList(const ListStanding& list) {
    std::optional<std::vector<ScheduledPair>> due =
        learning_.Store().ScheduledPairs(learning_.Today(), -1);
    if (!due) {
        game_.Host().ShowMessage(tr("Progress cannot be read: %1")
                                     .arg(MessageText(learning_.Store().Problem()))
                                     .toStdString());
        return;
    }
    // The pairs this list played last.
    std::erase_if(
        *due, [&](const ScheduledPair& pair) { return pair.key.fingerprint != list.fingerprint; });
    if (!due->empty()) {
        game_.Replace([&](GameDealer& dealer) { dealer.DealReview(*due); });
    }
}

void HomeControl::Locate(const ListStanding& list) {
    const QString path = prompter_.ChooseFileToOpen(&game_.Window());
    if (path.isEmpty()) {
        return;
    }
    if (!learning_.Store().MoveList(list.path, path.toStdString())) {
        game_.Host().ShowMessage(tr("The list's progress could not be moved: %1")
                                     .arg(MessageText(learning_.Store().Problem()))
                                     .toStdString());
    }
    ShowHome();
}
