#include "app/learning/practice_control.h"

#include "app/base/game_in_play.h"
#include "app/learning/game_learning.h"
#include "app/learning/round_direction.h"
#include "files/typing_pairs.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "learning/choice_round.h"
#include "learning/flashcard_round.h"
#include "learning/schedule_order.h"
#include "view/dialogs/choice_dlg.h"
#include "view/dialogs/flashcard_dlg.h"

#include <algorithm>
#include <ctime>

namespace {

// The list in play as a round asks it, in the schedule's order, with a random source seeded by
// the clock; the note bar says so when the schedule cannot be read.
struct RoundStart {
    std::vector<TypingPair> list;
    ScheduledRound planned;
    RandomSource random;
    std::time_t now = std::time(nullptr);
};

void Plan(RoundStart& start, GameInPlay& game, GameLearning& learning,
          const std::vector<std::int32_t>* only) {
    const GameState& state = game.State();
    start.list = TypingPairsOf(state.WordList, state.ListPath);
    std::vector<TypingPair> asked = start.list;
    if (only) {
        std::erase_if(asked, [only](const TypingPair& pair) {
            return std::ranges::find(*only, pair.index) == only->end();
        });
    }
    start.planned = PlanScheduledRound(state, asked, learning.Store(), learning.Today());
    if (!start.planned.read) {
        game.Host().ReportNote(NoteTopic::ProgressNotKept, ProgressNotKept(learning.Store()));
    }
    start.random.Seed(static_cast<std::uint32_t>(start.now));
}

// Runs the round's window, then keeps what was answered; returns how the window closed.
template <typename Dialog>
int RunRound(PracticeControl& control, GameInPlay& game, GameLearning& learning,
             PracticeRound& round, Dialog& dialog, const char* name) {
    const std::string listPath = game.State().ListPath;
    QObject::connect(&dialog, &Dialog::Spoken, &control, &PracticeControl::Spoken);
    QObject::connect(
        &dialog, &Dialog::DirectionChosen, &control,
        [listPath, name](RoundDirection chosen) { KeepDirection(name, listPath, chosen); });
    const int result = dialog.exec();
    round.End(std::time(nullptr));
    learning.RecordRound(round);
    return result;
}

bool Offered(GameInPlay& game, const PracticeRound& round) {
    if (round.Over()) {
        game.Host().ShowMessage(
            PracticeControl::tr("There are no pairs to practise: open a word list first.")
                .toStdString());
    }
    return !round.Over();
}

ListSide SideOf(bool textA) {
    return textA ? ListSide::TextA : ListSide::TextB;
}

constexpr const char* FlashcardRoundName = "Flashcards";
constexpr const char* ChoiceRoundName = "Choice";

} // namespace

PracticeControl::PracticeControl(GameInPlay& game, GameLearning& learning)
    : QObject(&game), game_(game), learning_(learning) {}

void PracticeControl::OnFlashcards() {
    RunFlashcards(nullptr);
}

void PracticeControl::OnChooseTheWord() {
    RunChoice(nullptr);
}

void PracticeControl::FlashcardPairs(const std::vector<std::int32_t>& pairs) {
    RunFlashcards(&pairs);
}

void PracticeControl::ChoosePairs(const std::vector<std::int32_t>& pairs) {
    RunChoice(&pairs);
}

void PracticeControl::RunFlashcards(const std::vector<std::int32_t>* only) {
    RoundStart start;
    Plan(start, game_, learning_, only);
    FlashcardRound round(start.planned.pairs, start.planned.memories,
                         SavedDirection(FlashcardRoundName, game_.State().ListPath), start.random,
                         start.now, start.planned.settings);
    if (!Offered(game_, round)) {
        return;
    }
    CFlashcardDlg dialog(round, start.random, &game_.Window());
    connect(&dialog, &CFlashcardDlg::BackShown, this,
            [this](const std::string& word, bool textA) { emit AnswerShown(word, SideOf(textA)); });
    if (RunRound(*this, game_, learning_, round, dialog, FlashcardRoundName) !=
        CFlashcardDlg::TypeAgainCards) {
        return;
    }
    std::vector<std::int32_t> again;
    for (const PracticedPair& pair : round.Answered()) {
        if (pair.first == Grade::Again || pair.retry == Grade::Again) {
            again.push_back(pair.pair.index);
        }
    }
    emit TypePairsRequested(again);
}

void PracticeControl::RunChoice(const std::vector<std::int32_t>* only) {
    RoundStart start;
    Plan(start, game_, learning_, only);
    ChoiceRound round(start.planned.pairs, start.list, learning_.ConfusionsInPlay(),
                      SavedDirection(ChoiceRoundName, game_.State().ListPath), start.random,
                      start.now);
    if (!Offered(game_, round)) {
        return;
    }
    CChoiceDlg dialog(round, start.random, &game_.Window());
    connect(&dialog, &CChoiceDlg::RightAnswerShown, this,
            [this](const std::string& word, bool textA) { emit AnswerShown(word, SideOf(textA)); });
    RunRound(*this, game_, learning_, round, dialog, ChoiceRoundName);
}
