#include "app/game_learning.h"

#include "app/glossatiles_view.h"
#include "learning/pair_identity.h"
#include "learning/practice_deal.h"
#include "learning/typing_result.h"
#include "savegame/atomic_file.h"
#include "words/word_list_text.h"

#include <QFile>
#include <QTimer>

#include <algorithm>

namespace {
const char* const MissedPairs = "Missed pairs";
const char* const HardestPairs = "Hardest pairs";
} // namespace

GameLearning::GameLearning(CGlossatilesView& view, std::unique_ptr<ProgressStore> store)
    : QObject(&view), view_(view), prompter_(std::make_unique<QtLearningPrompter>()) {
    SetStore(std::move(store));
    connect(&view_, &CGlossatilesView::PlayEventOccurred, this, &GameLearning::OnPlayEvent);
}

void GameLearning::SetPrompter(std::unique_ptr<LearningPrompter> prompter) {
    prompter_ = std::move(prompter);
}

void GameLearning::SetStore(std::unique_ptr<ProgressStore> store) {
    session_ = std::make_unique<LearningSession>(*store);
    store_ = std::move(store);
}

void GameLearning::OnPlayEvent(const PlayEvent& event) {
    const GameState& state = view_.State();
    if (!session_->Hear(state, view_, event)) {
        return;
    }
    FinishedGame game{ReportGame(state, session_->Record()), {}, {}, state.FileDescription};
    for (const TroubledPair& pair : game.report.troubled) {
        game.missedAt.push_back(pair.index);
    }
    game.missed = PairsAt(state, game.missedAt);
    // The last removal may come from a timer tick or a click still in progress: the window
    // waits until play has returned to the event loop.
    QTimer::singleShot(0, this, [this, game] { ShowGameFinished(game); });
}

void GameLearning::ShowGameFinished(const FinishedGame& game) {
    const AfterGame choice =
        prompter_->ShowGameFinished(&view_, game.report, [this, &game] { SaveMissedPairs(game); });
    if (game.missed.pairs.empty()) {
        return;
    }
    if (choice == AfterGame::PlayMissedPairs) {
        view_.DealPractice(game.missed, MissedPairs, GameKind::MissedPairs);
    } else if (choice == AfterGame::TypeMissedPairs) {
        emit TypePairsRequested(game.missedAt);
    }
}

void GameLearning::SaveMissedPairs(const FinishedGame& game) {
    const QString path = prompter_->ChooseMissedPairsFile(&view_);
    if (path.isEmpty()) {
        return;
    }
    const auto text = [&] {
        return WordListText(PracticeDescription(MissedPairs, game.description), game.missed.pairs);
    };
    if (WriteFileAtomically(QFile::encodeName(path).toStdString(), text) !=
        AtomicWriteResult::Written) {
        view_.ShowMessage(tr("The missed pairs could not be saved to\n%1").arg(path).toStdString());
        return;
    }
    view_.ShowStatus(tr("Missed pairs saved to %1").arg(path).toStdString());
}

void GameLearning::OnProgress() {
    const GameState& state = view_.State();
    const std::string fingerprint = IdentityOf(state).fingerprint;
    ListProgress progress{state.FileDescription, {}, {}, {}};
    const auto games = store_->Games(fingerprint);
    const auto hardest = store_->HardestPairs(fingerprint, HardestPairCount);
    if (games && hardest) {
        progress.games = *games;
        progress.hardest = *hardest;
    } else {
        progress.problem = store_->Problem();
    }
    if (!prompter_->ShowProgress(&view_, progress)) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> words;
    for (const PairTotal& pair : progress.hardest) {
        words.emplace_back(pair.textA, pair.textB);
    }
    PracticePairs pairs = PairsNamed(view_.State(), words);
    if (!pairs.pairs.empty()) {
        view_.DealPractice(std::move(pairs), HardestPairs, GameKind::HardestPairs);
    }
}

void GameLearning::RecordTypingRound(const TypingRound& round) {
    if (round.Answered().empty()) {
        return;
    }
    if (!store_->Record(TypingRoundResult(round, view_.State(), view_.CurrentTime()))) {
        view_.ShowStatus(tr("Progress is not kept: %1")
                             .arg(QString::fromStdString(store_->Problem()))
                             .toStdString());
    }
}
