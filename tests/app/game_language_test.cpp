#include "app/ui_translations.h"
#include "frame_fixture.h"

#include <QAccessible>
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

    Open(QString::fromStdString(files.Write("laid-out.txt", LaidOutGame())));
    ASSERT_TRUE(State().HasBoard());
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, TileCorner(1, 4) + QPoint(89, 50));
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ausgewählt: chat");
    // What a screen reader reads of that tile: stack 16 is column 1, row 4.
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(&View())->child(15);
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->text(QAccessible::Description), "Spalte 1, Reihe 4, Ebene 1, ausgewählt");
}

} // namespace
