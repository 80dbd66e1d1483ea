#include "app/learning/typing_control.h"

#include "app/base/game_in_play.h"
#include "app/learning/round_direction.h"
#include "files/typing_pairs.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "view/dialogs/typing_round_dlg.h"

#include <algorithm>
#include <ctime>

namespace {
constexpr const char* Round = "Typing";
} // namespace

TypingControl::TypingControl(GameInPlay& game) : QObject(&game), game_(game) {}

void TypingControl::OnTypeTheWords() {
    Run(TypingPairsOf(game_.State().WordList, game_.State().ListPath));
}

void TypingControl::TypePairs(const std::vector<std::int32_t>& pairs) {
    std::vector<TypingPair> all = TypingPairsOf(game_.State().WordList, game_.State().ListPath);
    std::erase_if(all, [&pairs](const TypingPair& pair) {
        return std::find(pairs.begin(), pairs.end(), pair.index) == pairs.end();
    });
    Run(std::move(all));
}

void TypingControl::Run(std::vector<TypingPair> pairs) {
    const std::string listPath = game_.State().ListPath;
    RandomSource random;
    random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    TypingRound round(pairs, SavedDirection(Round, listPath), random, std::time(nullptr));
    if (round.Over()) {
        game_.Host().ShowMessage(
            tr("There are no pairs to type: open a word list first.").toStdString());
        return;
    }
    CTypingRoundDlg dialog(round, random, &game_.Window());
    connect(&dialog, &CTypingRoundDlg::RightAnswerShown, this,
            [this](const std::string& word, bool textA) {
                emit RightAnswerShown(word, textA ? ListSide::TextA : ListSide::TextB);
            });
    connect(&dialog, &CTypingRoundDlg::Spoken, this, &TypingControl::Spoken);
    connect(&dialog, &CTypingRoundDlg::DirectionChosen, this,
            [listPath](RoundDirection chosen) { KeepDirection(Round, listPath, chosen); });
    dialog.exec();
    round.End(std::time(nullptr));
    emit RoundEnded(round);
}
