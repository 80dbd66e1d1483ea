#include "app/board/undo_actions.h"

#include "app/base/game_in_play.h"
#include "game/game_state.h"
#include "view/board/board_painter.h"

#include <QAction>
#include <QMenu>

namespace {

QString Escaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// "manger = to eat": the pair's words as the tiles show them.
QString PairWords(const WordPair& pair) {
    const QString a = Escaped(DecodeWord(pair.TextA.value_or(std::string())));
    if (!pair.TextB) {
        return a;
    }
    return QStringLiteral("%1 = %2").arg(a, Escaped(DecodeWord(*pair.TextB)));
}

} // namespace

UndoActions::UndoActions(QAction& undo, QAction& redo, GameInPlay& game, QObject* parent)
    : QObject(parent), undo_(undo), redo_(redo), game_(game), plainUndo_(undo.text()),
      plainRedo_(redo.text()) {
    connect(&game, &GameInPlay::PlayEventOccurred, this, &UndoActions::Refresh);
    // Not every way to a new board is a play event (a load that fails half-way): the menu
    // is right whenever it is seen.
    for (QObject* holder : undo.associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            connect(menu, &QMenu::aboutToShow, this, &UndoActions::Refresh);
        }
    }
    Refresh();
}

void UndoActions::Refresh() {
    Show(undo_, plainUndo_, game_.State().History.LastRemoval());
    Show(redo_, plainRedo_, game_.State().History.NextRedo());
}

void UndoActions::Show(QAction& action, const QString& plainText,
                       const RemovedPair* removal) const {
    const auto& list = game_.State().WordList;
    const bool known =
        removal && removal->pair >= 0 && static_cast<std::size_t>(removal->pair) < list.size();
    action.setEnabled(removal != nullptr);
    if (!known) {
        action.setText(plainText);
        return;
    }
    // "&Undo\tCtrl+Z" becomes "&Undo manger = to eat\tCtrl+Z".
    const QString words = PairWords(list[static_cast<std::size_t>(removal->pair)]);
    action.setText(plainText.section(QLatin1Char('\t'), 0, 0) + QLatin1Char(' ') + words +
                   QLatin1Char('\t') + plainText.section(QLatin1Char('\t'), 1));
}
