#include "app/access/announcer.h"
#include "app/shell/note_bar.h"
#include "app/shell/ui_translations.h"
#include "frame_fixture.h"
#include "learning/sqlite_progress_store.h"
#include "support/games.h"

#include <QAccessible>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

namespace {

using namespace CommandId;

class NotesTest : public FrameTest {
protected:
    QString StatusText() { return frame->statusBar()->currentMessage(); }
    QStringList Notes() { return frame->Notes().Notes(); }
    // The buttons of the note that says `text`.
    QList<QToolButton*> NoteButtons(const QString& text) {
        for (QWidget* row : frame->Notes().findChildren<QWidget*>()) {
            if (row->accessibleName() == text && row->isVisibleTo(&frame->Notes())) {
                return row->findChildren<QToolButton*>();
            }
        }
        return {};
    }
};

// A store that cannot keep anything: the game is won by Fast Auto Finish, whose last removal
// writes its own status text after the store has failed. Each failure is noted: while the note
// is up it stays as it is, and once closed the next failure brings it back.
TEST_F(NotesTest, ProgressNotKeptStaysAboveTheBoardAndComesBackAfterItWasClosed) {
    files.Write("blocker", "a file where a folder should be");
    frame->Learning().SetStore(
        std::make_unique<SqliteProgressStore>((files.path() / "blocker/progress.sqlite").string()));
    frame->show();
    QStringList announced;
    ListenToAnnouncements([&](const QString& text) {
        if (text.startsWith("Progress is not kept: ")) {
            announced.append(text);
        }
    });
    const QString game = QString::fromStdString(files.Write("game.txt", LaidOutGame()));
    const auto win = [&] {
        const std::size_t games = learningPrompter->reports.size();
        prompter->saveChoices = {SaveChoice::Discard};
        Open(game);
        Trigger(FastAutoFinish);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return learningPrompter->reports.size() > games; }, 5000));
    };
    win();
    EXPECT_TRUE(StatusText().startsWith("Removed: ")) << StatusText().toStdString();
    ASSERT_EQ(Notes().size(), 1) << Notes().join('|').toStdString();
    EXPECT_TRUE(Notes()[0].startsWith("Progress is not kept: ")) << Notes()[0].toStdString();
    EXPECT_TRUE(frame->Notes().isVisible());

    win();
    EXPECT_EQ(Notes().size(), 1);
    EXPECT_EQ(announced.size(), 1) << "the note still up is not said again";

    NoteButtons(Notes()[0]).value(0)->click();
    ASSERT_TRUE(Notes().isEmpty());
    win();
    ListenToAnnouncements({});
    EXPECT_EQ(Notes().size(), 1) << "a new failure after the note was closed";
    EXPECT_EQ(announced.size(), 2);
}

// Notes about the list opened stay through the picks until the next list replaces them, or
// until the player closes them; a screen reader hears each once and meets it as a note named
// by its text. A file with no pair replaces nothing: it is said in a message.
TEST_F(NotesTest, WhatWasNotReadInAListStaysUntilClosedOrAnotherListOpens) {
    frame->show();
    QStringList announced;
    ListenToAnnouncements([&](const QString& text) { announced.append(text); });
    const QString cut = QString::fromStdString(
        files.Write("cut.txt", "Cut\nchat\ncat\nchien\ndog\n\noiseau\nbird\n"));
    Open(cut);
    const QString cutNote =
        "A blank line ends the list in " + cut + " after 2 pairs: 2 lines after it were not read.";
    EXPECT_EQ(Notes(), QStringList{cutNote});
    ListenToAnnouncements({});
    EXPECT_EQ(announced, QStringList{cutNote});
    EXPECT_EQ(StatusText(), "Ready");
    QAccessibleInterface* note =
        QAccessible::queryAccessibleInterface(NoteButtons(cutNote).value(0)->parentWidget());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->role(), QAccessible::Note);
    EXPECT_EQ(note->text(QAccessible::Name), cutNote);

    const QString title = frame->windowTitle();
    const QString empty = QString::fromStdString(files.Write("empty.txt", "Empty\n\nchat\ncat\n"));
    Open(empty);
    EXPECT_EQ(prompter->messages.value(0), "No word pairs found in " + empty +
                                               " A blank line ends the list in " + empty +
                                               " after 0 pairs: 2 lines after it were not read.");
    EXPECT_EQ(ListText(State().WordList), "chat=cat; chien=dog");
    EXPECT_EQ(frame->windowTitle(), title);
    EXPECT_EQ(frame->RecentFiles().Files(), QStringList{cut});
    EXPECT_EQ(Notes(), QStringList{cutNote});

    Click(1, 4);
    Click(2, 4);
    EXPECT_FALSE(StatusText().isEmpty());
    EXPECT_EQ(Notes(), QStringList{cutNote}) << "picks leave the note alone";

    const QList<QToolButton*> buttons = NoteButtons(cutNote);
    ASSERT_EQ(buttons.size(), 1) << "only the close button";
    buttons[0]->click();
    EXPECT_TRUE(Notes().isEmpty());
    EXPECT_FALSE(frame->Notes().isVisible());
}

// The notes, and the message about a file with no pair, come in the player's language, each
// count with its own plural: French says 0 and 1 in the singular.
TEST_F(NotesTest, NotesAreInThePlayersLanguageWithACountedFormForEachCount) {
    const QString empty = QString::fromStdString(files.Write("empty.txt", "Empty\n\nchat\ncat\n"));
    const QString one =
        QString::fromStdString(files.Write("one.txt", "One\nchat\ncat\n\noiseau\n"));
    const struct {
        QString language;
        QString path;
        QString said;
    } cases[] = {
        {"fr", empty,
         "Aucune paire de mots trouvée dans " + empty + " Une ligne vide termine la liste dans " +
             empty + " après 0 paire : 2 lignes qui la suivent n'ont pas été lues."},
        {"de", one,
         "Eine Leerzeile beendet die Liste in " + one +
             " nach 1 Paar: 1 Zeile danach wurde nicht gelesen."},
        {"es", empty,
         "No se encontraron parejas de palabras en " + empty +
             " Una línea en blanco termina la lista en " + empty +
             " tras 0 parejas: 2 líneas posteriores no se leyeron."},
        {"en", one,
         "A blank line ends the list in " + one + " after 1 pair: 1 line after it was not read."},
    };
    for (const auto& [language, path, said] : cases) {
        const UiTranslations translations({language});
        prompter->messages.clear();
        Open(path);
        // A file with no pair is said in a message, the notes of a list dealt in the note bar.
        EXPECT_EQ(path == empty ? prompter->messages.join('|') : Notes().join('|'), said)
            << language.toStdString();
    }
}

// Pair 0 lies on itself at column 1 of row 4; pair 1 is free. Once pair 1 is matched, the
// note offers a deal that can be cleared, and that deal takes the note away.
TEST_F(NotesTest, NoFreePairOffersNewGame3AndNamesTheSetting) {
    frame->show();
    std::array<int, 20> pairs;
    pairs.fill(-1);
    pairs[0] = pairs[10] = 0;
    pairs[1] = pairs[2] = 1;
    Open(QString::fromStdString(files.Write("stuck.txt", LaidOutGame({}, "list.txt", pairs))));
    Click(2, 4);
    Click(3, 4);
    ASSERT_EQ(Notes().size(), 1);
    EXPECT_TRUE(Notes()[0].startsWith("No free pair left")) << Notes()[0].toStdString();
    EXPECT_TRUE(Notes()[0].contains("Game > Deal Boards That Can Be Cleared"));
    const QList<QToolButton*> buttons = NoteButtons(Notes()[0]);
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->defaultAction(), frame->Action(NewGame3));
    prompter->saveChoices.push_back(SaveChoice::Discard);
    buttons[0]->click();
    EXPECT_TRUE(Notes().isEmpty());
    EXPECT_EQ(TilesOnBoard(), 6);
}

} // namespace
