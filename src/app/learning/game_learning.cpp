#include "app/learning/game_learning.h"

#include "app/base/game_in_play.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "learning/pair_identity.h"
#include "learning/practice_deal.h"
#include "learning/round_result.h"
#include "savegame/atomic_file.h"
#include "words/word_list_text.h"

#include <QFile>
#include <QTimer>

#include <algorithm>

GameLearning::GameLearning(GameInPlay& game, std::unique_ptr<ProgressStore> store)
    : QObject(&game), game_(game), prompter_(std::make_unique<QtLearningPrompter>()) {
    SetStore(std::move(store));
}

void GameLearning::SetPrompter(std::unique_ptr<LearningPrompter> prompter) {
    prompter_ = std::move(prompter);
}

void GameLearning::SetStore(std::unique_ptr<ProgressStore> store) {
    session_ = std::make_unique<LearningSession>(*store);
    store_ = std::move(store);
}

void GameLearning::SetClock(std::unique_ptr<Clock> clock) {
    clock_ = std::move(clock);
}

Day GameLearning::Today() const {
    return LocalDay(clock_->Now());
}

void GameLearning::OnPlayEvent(const PlayEvent& event) {
    const GameState& state = game_.State();
    if (!session_->Hear(state, game_.Host(), event)) {
        return;
    }
    emit GameRecorded();
    FinishedGame game{ReportGame(state, session_->Record()), {}, {}, state.FileDescription, {}};
    for (const TroubledPair& pair : game.report.troubled) {
        game.missedAt.push_back(pair.index);
    }
    game.missed = PairsAt(state, game.missedAt);
    game.typedAt = game.report.todaysReview ? session_->Record().SeenPairs() : game.missedAt;
    // The last removal may come from a timer tick or a click still in progress: the window
    // waits until play has returned to the event loop.
    QTimer::singleShot(0, this, [this, game] { ShowGameFinished(game); });
}

void GameLearning::ShowGameFinished(const FinishedGame& game) {
    const AfterGame choice = prompter_->ShowGameFinished(&game_.Window(), game.report,
                                                         [this, &game] { SaveMissedPairs(game); });
    if (choice == AfterGame::PlayMissedPairs && !game.missed.pairs.empty()) {
        DealPractice(game.missed, MissedPairsTitle, GameKind::MissedPairs);
    } else if (choice == AfterGame::TypePairs && !game.typedAt.empty()) {
        emit TypePairsRequested(game.typedAt);
    } else if (choice == AfterGame::Home) {
        emit HomeRequested();
    }
}

void GameLearning::SaveMissedPairs(const FinishedGame& game) {
    const QString path = prompter_->ChooseMissedPairsFile(&game_.Window());
    if (path.isEmpty()) {
        return;
    }
    const auto text = [&] {
        return WordListText(PracticeDescription(MissedPairsTitle, game.description),
                            game.missed.pairs);
    };
    if (WriteFileAtomically(QFile::encodeName(path).toStdString(), text).result !=
        AtomicWriteResult::Written) {
        game_.Host().ShowMessage(
            tr("The missed pairs could not be saved to\n%1").arg(path).toStdString());
        return;
    }
    game_.Host().ShowStatus(tr("Missed pairs saved to %1").arg(path).toStdString());
}

void GameLearning::OnProgress() {
    const GameState& state = game_.State();
    const std::string fingerprint = IdentityOf(state).fingerprint;
    ListProgress progress{state.FileDescription, {}, {}, {}, store_->Summary(Today()), Today()};
    const auto games = store_->Games(fingerprint);
    const auto hardest = store_->HardestPairs(fingerprint, HardestPairCount);
    if (games && hardest) {
        progress.games = *games;
        progress.hardest = *hardest;
    } else {
        progress.problem = store_->Problem();
    }
    if (!prompter_->ShowProgress(&game_.Window(), progress)) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> words;
    for (const PairTotal& pair : progress.hardest) {
        words.emplace_back(pair.textA, pair.textB);
    }
    PracticePairs pairs = PairsNamed(state, words);
    if (!pairs.pairs.empty()) {
        DealPractice(std::move(pairs), HardestPairsTitle, GameKind::HardestPairs);
    }
}

void GameLearning::DealPractice(PracticePairs pairs, const char* what, std::string_view kind) {
    game_.Replace([&](GameDealer& dealer) { dealer.DealPractice(std::move(pairs), what, kind); });
}

void GameLearning::RecordTypingRound(const TypingRound& round) {
    if (round.Answered().empty()) {
        return;
    }
    GameHost& host = game_.Host();
    if (!store_->Record(RoundResult(round, game_.State(), host.CurrentTime()))) {
        host.ReportNote(NoteTopic::ProgressNotKept, ProgressNotKept(*store_));
    }
}
