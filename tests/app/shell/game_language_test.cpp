#include "app/shell/main_frame.h"
#include "app/shell/note_bar.h"
#include "app/shell/ui_translations.h"
#include "frame_fixture.h"
#include "learning/practice_deal.h"
#include "support/anki_deck.h"
#include "view/dialogs/progress_dlg.h"

#include <QAccessible>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

namespace {

// What the game itself says follows the player's language, as the menus do.
TEST_F(FrameTest, TheGamesOwnMessagesAndNotesAreInThePlayersLanguage) {
    const UiTranslations german({QStringLiteral("de-DE")});
    const QString missing = QString::fromStdString((files.path() / "missing.txt").string());
    Open(missing);
    EXPECT_EQ(prompter->messages,
              QStringList("Fehler: Die Datei kann nicht geöffnet werden\n" + missing));

    OpenLaidOutGame();
    Click(1, 4);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ausgewählt: chat");
    // What a screen reader reads of that tile: stack 16 is column 1, row 4.
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(&View())->child(15);
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->text(QAccessible::Description), "Spalte 1, Reihe 4, Ebene 1, ausgewählt");
}

// A failed import is one German message box, the reader's reason included; what an import left
// out is a German note, each count with its own plural.
TEST_F(FrameTest, AnImportIsReportedInThePlayersLanguageThroughout) {
    const UiTranslations german({QStringLiteral("de-DE")});
    const struct {
        const char* name;
        std::string bytes;
        QString reason;
    } failures[] = {
        {"damaged.apkg", "PK\x03\x04 no archive follows",
         "Die Datei ist kein ZIP-Archiv, oder das Archiv ist beschädigt."},
        {"broken.kvtml", "<kvtml>\n<e><o>a</o>\n</kvtml>",
         "Das XML ist in Zeile 3 fehlerhaft: Start- und End-Tag passen nicht zusammen."},
        {"latin1.csv", "caf\xE9,Kaffee\n", "Die Datei ist kein UTF-8-Text."},
    };
    for (const auto& [name, bytes, reason] : failures) {
        prompter->messages.clear();
        const QString path = QString::fromStdString(files.Write(name, bytes));
        Open(path);
        EXPECT_EQ(prompter->messages,
                  QStringList("Die Datei kann nicht importiert werden\n" + path + "\n" + reason));
    }

    const AnkiDeck deck{11,
                        {{7, {"Front", "Back"}}},
                        {{7, {"chat", "cat"}}, {7, {"{{c1::x}}", ""}}, {7, {"chien", "dog"}}}};
    Open(QString::fromStdString(files.Write(
        "deck.apkg",
        ZipArchive({{"collection.anki2", AnkiCollection(deck)}, {"0", "a"}, {"1", "b"}}))));
    EXPECT_EQ(frame->Notes().Notes(),
              QStringList("1 Lückentext-Notiz wurde ausgelassen, da sie kein Wortpaar ist."));
}

// A practice game and Today's Review name themselves in the title in the player's language; the
// name of the list the game came from stays as it is.
TEST_F(FrameTest, PracticeAndReviewTitlesAreInThePlayersLanguage) {
    const UiTranslations german({QStringLiteral("de-DE")});
    OpenLaidOutGame();
    frame->Game().Replace([this](GameDealer& dealer) {
        dealer.DealPractice(PairsAt(State(), {0, 1}), "Missed pairs", GameKind::MissedPairs);
    });
    EXPECT_EQ(frame->windowTitle(), "Glossatiles - Verfehlte Paare aus list.txt");
    frame->Game().Replace([](GameDealer& dealer) {
        dealer.DealReview(
            {{{"f", "chat", "cat"}, "Animals", {}}, {{"f", "chien", "dog"}, "Animals", {}}});
    });
    EXPECT_EQ(frame->windowTitle(), "Glossatiles - Heutige Wiederholung");

    // The Progress window names them so too.
    const std::pair<const char*, QString> descriptions[] = {
        {"Today's Review", "Heutige Wiederholung"},
        {"Missed pairs: Animals", "Verfehlte Paare: Animals"},
        {"Missed pairs of Animals", "Missed pairs of Animals"},
    };
    for (const auto& [description, shown] : descriptions) {
        const CProgressDlg progress({description, {GameResult{}}, {}, {}, {}, {}, {}});
        EXPECT_EQ(progress.Note()->text(), "Beendete Spiele von " + shown + ": 1");
    }
}

} // namespace
