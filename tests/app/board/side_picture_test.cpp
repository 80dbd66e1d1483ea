#include "app/access/board_accessible.h"
#include "frame_fixture.h"
#include "game/board_geometry.h"
#include "modal_answer.h"
#include "support/anki_deck.h"
#include "view/board/board_pixels.h"
#include "view/dialogs/game_finished_dlg.h"
#include "view/dialogs/typing_round_dlg.h"
#include "words/side_line.h"

#include <QAccessible>
#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <map>
#include <optional>

namespace {

constexpr QRgb PureRed = qRgb(255, 0, 0);

bool IsRed(QRgb pixel) {
    return qRed(pixel) > 230 && qGreen(pixel) < 30 && qBlue(pixel) < 30;
}

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

std::string RedSquare(const char* format = "PNG", int side = 48) {
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(PureRed);
    return Encoded(square, format);
}

std::uint32_t Crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutBigEndian(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
    }
}

// The first half of a file: a JPEG cut in its picture data.
std::string Truncated(const std::string& bytes) {
    return bytes.substr(0, bytes.size() / 2);
}

// The red square's PNG whose header, checksum and all, claims 100000 x 100000 pixels.
std::string ClaimingHugePng() {
    std::string png = RedSquare();
    // Signature (8), IHDR's length (4) and type (4), then width and height.
    constexpr std::size_t Width = 16;
    PutBigEndian(png, Width, 100'000);
    PutBigEndian(png, Width + 4, 100'000);
    PutBigEndian(png, Width + 13, Crc32(std::string_view(png).substr(12, 17)));
    return png;
}

// The top tile showing the side of this picture, or of these words without one.
std::optional<BoardPosition> TileShowing(const GameState& state, std::string_view image,
                                         std::string_view words = "") {
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            const std::int32_t cell = TopCellAt(state, column, row);
            const std::string* line = cell < 0 ? nullptr : WordShownAt(state, cell);
            if (line && ParseSide(*line).image == image &&
                (words.empty() || ParseSide(*line).text == words)) {
                return BoardPosition{column, row};
            }
        }
    }
    return std::nullopt;
}

class SidePictureTest : public FrameTest {
protected:
    void SetUp() override { frame->show(); }

    QRect Area(BoardPosition stack) { return TileRect(State().BoardTop, stack.column, stack.row); }
    // The share of the tile's pixels that are the picture's red, give or take a JPEG's loss.
    double RedShare(BoardPosition stack) {
        return static_cast<double>(CountPixels(Picture(), Area(stack), IsRed)) /
               (TileWidth * TileHeight);
    }
    QString Heard(BoardPosition stack) {
        return QAccessible::queryAccessibleInterface(&View())
            ->child(BoardAccessible::StackIndex(stack))
            ->text(QAccessible::Name);
    }
};

// A package as deck generators write them: a legacy collection, a JSON media map naming the
// numbered entries, and a front that is a picture alone.
TEST_F(SidePictureTest, AnAnkiPackagesPictureIsDrawnOnItsTile) {
    const AnkiDeck deck{11,
                        {{7, {"Front", "Back"}}},
                        {{7, {"<img src=\"red.png\" />", "rojo"}}, {7, {"blue", "azul"}}}};
    Open(QString::fromStdString(
        files.Write("colours.apkg", ZipArchive({{"collection.anki2", AnkiCollection(deck)},
                                                {"media", R"({"0": "red.png"})"},
                                                {"0", RedSquare()}}))));
    ASSERT_EQ(State().WordList.size(), 2u);
    const std::string image = ParseSide(*State().WordList[0].TextA).image;
    ASSERT_FALSE(image.empty());
    const std::optional<BoardPosition> red = TileShowing(State(), image);
    const std::optional<BoardPosition> rojo = TileShowing(State(), "", "rojo");
    ASSERT_TRUE(red && rojo);
    EXPECT_GT(RedShare(*red), 0.15);
    // No other tile carries it.
    const QRect board(0, State().BoardTop, Picture().width(),
                      Picture().height() - State().BoardTop);
    EXPECT_EQ(CountPixels(Picture(), board, IsRed), CountPixels(Picture(), Area(*red), IsRed));
    // A screen reader hears it by its file's name, and its partner by its words.
    EXPECT_EQ(Heard(*red), "picture: red");
    EXPECT_EQ(Heard(*rojo), "rojo");

    // A peek at the partner shows the picture until the button is released.
    const QPoint press = Area(*rojo).center();
    QTest::mousePress(&View(), Qt::RightButton, Qt::NoModifier, press);
    EXPECT_GT(RedShare(*rojo), 0.15);
    QTest::mouseRelease(&View(), Qt::RightButton, Qt::NoModifier, press);
    EXPECT_EQ(RedShare(*rojo), 0.0);
}

// A native list's picture beside it is drawn, its words under it; a picture that cannot be
// decoded, or that claims a size beyond reason, leaves the side's words and the game.
TEST_F(SidePictureTest, AListsPictureIsDrawnAndABadOneLeavesItsWords) {
    const struct {
        const char* name;
        std::string file;
        std::string fileBytes;
        bool drawn;
        bool words;
    } cases[] = {
        {"picture alone", "red.png", RedSquare(), true, false},
        {"picture and words", "red.png", RedSquare(), true, true},
        {"JPEG", "red.jpg", RedSquare("JPEG"), true, false},
        {"header claims 100000 x 100000", "red.png", ClaimingHugePng(), false, false},
        {"JPEG cut in its header", "red.jpg", Truncated(RedSquare("JPEG")), false, true},
        {"JPEG cut in its picture data", "red.jpg", Truncated(RedSquare("JPEG", 1024)), false,
         true},
        {"no picture data", "red.png", "\x89PNG\r\n\x1a\n", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files.Write(c.file, c.fileBytes);
        const std::string side = "[image=" + c.file + "]" + (c.words ? " rojo" : "");
        Open(QString::fromStdString(
            files.Write("colours.txt", "Colours\n" + side + "\nred\nblue\nazul\n")));
        ASSERT_EQ(State().WordList.size(), 2u);
        const std::optional<BoardPosition> tile = TileShowing(State(), c.file);
        ASSERT_TRUE(tile);
        const double red = RedShare(*tile);
        if (c.drawn) {
            EXPECT_GT(red, 0.15);
        } else {
            EXPECT_EQ(red, 0.0);
        }
        // Words under the picture, or in its place: the side's own, or its file's name.
        const int words = CountDark(Picture(), Area(*tile).adjusted(8, 5, -8, -5));
        if (c.drawn && !c.words) {
            EXPECT_EQ(words, 0);
        } else {
            EXPECT_GT(words, 10);
        }
    }
}

// The typing round shows a picture side as its question, and the word side asks no picture.
TEST_F(SidePictureTest, TheTypingRoundShowsAPictureAsItsQuestion) {
    files.Write("red.png", RedSquare());
    Open(QString::fromStdString(
        files.Write("colours.txt", "Colours\n[image=red.png]\nred\nblue\nazul\n")));
    std::map<QString, bool> pictured;
    AnswerWhenShown<CTypingRoundDlg>([&](CTypingRoundDlg& dialog) {
        for (int question = 0; question < 2; ++question) {
            const QPixmap shown = dialog.Picture()->pixmap();
            const bool red =
                !dialog.Picture()->isHidden() && !shown.isNull() &&
                shown.toImage().pixel(shown.width() / 2, shown.height() / 2) == PureRed;
            pictured[dialog.Word()->isHidden() ? "" : dialog.Word()->text()] = red;
            QTest::keyClicks(dialog.AnswerLine(), "x");
            QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
            QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
        }
        QTest::keyClick(dialog.AnswerLine(), Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Trigger(CommandId::TypeTheWords);
    // Its word hidden, the picture asked; "blue" or "azul" asked by its word alone.
    ASSERT_EQ(pictured.size(), 2u);
    EXPECT_TRUE(pictured[""]);
    EXPECT_FALSE(std::prev(pictured.end())->second);
}

// Game Finished shows a missed picture side by its picture, named by its file.
TEST_F(SidePictureTest, GameFinishedShowsTheMissedPairsPictures) {
    UseProgressStoreInTestFolder();
    files.Write("red.png", RedSquare());
    Open(QString::fromStdString(
        files.Write("colours.txt", "Colours\n[image=red.png]\nrojo\nblue\nazul\n")));
    Trigger(CommandId::FastAutoFinish);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !learningPrompter->reports.empty(); }, 5000));
    const GameReport report = learningPrompter->reports[0];
    ASSERT_EQ(report.troubled.size(), 2u);
    const CGameFinishedDlg dialog(report, [] {});
    std::map<QString, std::pair<bool, bool>> rows;
    for (int i = 0; i < dialog.Pairs()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *dialog.Pairs()->topLevelItem(i);
        rows[row.text(0) + " = " + row.text(1)] = {!row.icon(0).isNull(), !row.icon(1).isNull()};
    }
    EXPECT_EQ(rows, (std::map<QString, std::pair<bool, bool>>{{"red = rojo", {true, false}},
                                                              {"blue = azul", {false, false}}}));
}

} // namespace
