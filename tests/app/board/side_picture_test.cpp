#include "app/access/board_accessible.h"
#include "frame_fixture.h"
#include "game/board_geometry.h"
#include "support/anki_deck.h"
#include "view/board/board_pixels.h"
#include "words/side_line.h"

#include <QAccessible>
#include <QBuffer>

#include <optional>

namespace {

constexpr QRgb PureRed = qRgb(255, 0, 0);

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

std::string RedSquare(const char* format = "PNG") {
    QImage square(48, 48, QImage::Format_RGB32);
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
    // The share of the tile's pixels that are the picture's red.
    double RedShare(BoardPosition stack) {
        return static_cast<double>(CountColour(Picture(), Area(stack), PureRed)) /
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
    const QRect board(QPoint(), Picture().size());
    EXPECT_EQ(CountColour(Picture(), board, PureRed), CountColour(Picture(), Area(*red), PureRed));
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
        std::string side;
        bool drawn;
    } cases[] = {
        {"picture alone", RedSquare(), "[image=red.png]", true},
        {"picture and words", RedSquare(), "[image=red.png] rojo", true},
        {"JPEG", RedSquare("JPEG"), "[image=red.png]", true},
        {"header claims 100000 x 100000", ClaimingHugePng(), "[image=red.png]", false},
        {"truncated JPEG", RedSquare("JPEG").substr(0, 300), "[image=red.png] rojo", false},
        {"no picture data", "\x89PNG\r\n\x1a\n", "[image=red.png]", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files.Write("red.png", c.file);
        Open(QString::fromStdString(
            files.Write("colours.txt", "Colours\n" + c.side + "\nred\nblue\nazul\n")));
        ASSERT_EQ(State().WordList.size(), 2u);
        const std::optional<BoardPosition> tile = TileShowing(State(), "red.png");
        ASSERT_TRUE(tile);
        const double red = RedShare(*tile);
        if (c.drawn) {
            EXPECT_GT(red, 0.15);
        } else {
            EXPECT_EQ(red, 0.0);
        }
        // Words under the picture, or in its place: the side's own, or its file's name.
        EXPECT_GT(CountDark(Picture(), Area(*tile).adjusted(8, 5, -8, -5)), 20);
    }
}

} // namespace
