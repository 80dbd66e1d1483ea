#include "app/learning/typing_control.h"

#include "app/base/game_in_play.h"
#include "files/typing_pairs.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "view/dialogs/typing_round_dlg.h"

#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <ctime>

namespace {

// The direction the player last chose for a list, kept under the list's path.
QString DirectionKey(const std::string& listPath) {
    const QByteArray path = QUrl::toPercentEncoding(QString::fromStdString(listPath));
    return QStringLiteral("TypingDirection/%1").arg(QString::fromLatin1(path));
}

RoundDirection SavedDirection(const std::string& listPath) {
    const int saved = QSettings().value(DirectionKey(listPath), 0).toInt();
    const bool known = saved >= static_cast<int>(RoundDirection::Forward) &&
                       saved <= static_cast<int>(RoundDirection::Mixed);
    return known ? static_cast<RoundDirection>(saved) : RoundDirection::Forward;
}

} // namespace

TypingControl::TypingControl(GameInPlay& game) : QObject(&game), game_(game) {}

void TypingControl::OnTypeTheWords() {
    Run(TypingPairsOf(game_.State().WordList));
}

void TypingControl::TypePairs(const std::vector<std::int32_t>& pairs) {
    std::vector<TypingPair> all = TypingPairsOf(game_.State().WordList);
    std::erase_if(all, [&pairs](const TypingPair& pair) {
        return std::find(pairs.begin(), pairs.end(), pair.index) == pairs.end();
    });
    Run(std::move(all));
}

void TypingControl::Run(std::vector<TypingPair> pairs) {
    const std::string listPath = game_.State().ListPath;
    RandomSource random;
    random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    TypingRound round(pairs, SavedDirection(listPath), random, std::time(nullptr));
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
    connect(&dialog, &CTypingRoundDlg::DirectionChosen, this, [listPath](RoundDirection chosen) {
        QSettings().setValue(DirectionKey(listPath), static_cast<int>(chosen));
    });
    dialog.exec();
    round.End(std::time(nullptr));
    emit RoundEnded(round);
}
