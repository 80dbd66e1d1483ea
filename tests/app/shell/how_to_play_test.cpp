#include "app/base/command_ids.h"
#include "app/shell/main_frame.h"
#include "app/shell/ui_translations.h"
#include "modal_answer.h"
#include "view/board_image.h"
#include "view/dialogs/how_to_play_dlg.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <set>

namespace {

// Help > How to Play opens a translated page whose pictures show the tiles' level colours and a
// picture tile.
TEST(HowToPlay, ThePageIsTranslatedAndItsPicturesShowTheLevelsInTheirColoursAndAPicture) {
    const UiTranslations german({QStringLiteral("de")});
    const CMainFrame frame;
    QString title;
    std::vector<QImage> pictures;
    AnswerWhenShown<CHowToPlayDlg>([&](CHowToPlayDlg& dialog) {
        title = dialog.windowTitle();
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                pictures.push_back(label->pixmap().toImage());
            }
        }
        dialog.close();
    });
    frame.Action(CommandId::HelpHowToPlay)->trigger();
    EXPECT_EQ(title, "Spielregeln");
    ASSERT_EQ(pictures.size(), 4u);
    // The levels picture: four tiles side by side at the board's pitch, each face below the
    // word in its level's colour.
    const QImage& levels = pictures[1];
    std::set<QRgb> colours;
    for (int tile = 0; tile < 4; ++tile) {
        colours.insert(levels.pixel(180 * tile + 89, 47));
    }
    EXPECT_EQ(colours, std::set<QRgb>({LevelFace(1), LevelFace(2), LevelFace(3), LevelFace(4)}));
    // The picture tile: the apple's red in the first tile, none in the word tile beside the two.
    const auto reds = [&](int tile) {
        return CountPixels(pictures[3], QRect(180 * tile, 0, 178, 60), [](QRgb pixel) {
            return qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
        });
    };
    EXPECT_GT(reds(0), 500);
    EXPECT_GT(reds(1), 200);
    EXPECT_EQ(reds(2), 0);
}

} // namespace
