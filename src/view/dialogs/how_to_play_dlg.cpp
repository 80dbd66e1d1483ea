#include "view/dialogs/how_to_play_dlg.h"

#include "game/game_state.h"
#include "view/board/board_painter.h"
#include "view/board/board_pixels.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <vector>

// The page's own picture lives in the window library, which a program links in part only.
static void LoadHelpPictures() {
    Q_INIT_RESOURCE(how_to_play);
}

namespace {

// A tile as play shows it: the word, its level, selected or not, the red mark of a wrong pick.
struct ShownTile {
    QString word;
    int level = 1;
    bool selected = false;
    bool wrong = false;
};

// The board's painter, whose one picture is the page's own.
const BoardPainter& HelpPainter() {
    static const BoardPainter painter = [] {
        LoadHelpPictures();
        BoardPainter help;
        // The recording is only shown, never played.
        help.SetMediaFinder([](std::string_view reference, MediaKind, std::string_view) {
            return reference == "apple.png" ? std::string(":/how_to_play/apple.png")
                   : reference == "say.ogg" ? std::string("say.ogg")
                                            : std::string();
        });
        return help;
    }();
    return painter;
}

// Tiles side by side in one row, drawn as on the board and cut out of it.
QPixmap TilesPicture(const std::vector<ShownTile>& tiles) {
    const BoardPainter& painter = HelpPainter();
    GameState state;
    state.BoardTop = 0;
    state.WordList.push_back({std::string("word"), std::string("word")});
    const QRect area = TileRect(0, 1, 1).united(TileRect(0, int(tiles.size()), 1));
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter paint(&image);
    paint.translate(-area.topLeft());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const int column = int(i) + 1;
        const std::string word = tiles[i].word.toStdString();
        painter.DrawTile(paint, state, tiles[i].selected ? 1 : 0, column, 1, tiles[i].level, &word);
        if (tiles[i].wrong) {
            painter.DrawWrongMark(paint, state, column, 1);
        }
    }
    return QPixmap::fromImage(image);
}

struct Rule {
    const char* text;
    std::vector<ShownTile> tiles;
};

} // namespace

CHowToPlayDlg::CHowToPlayDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("How to Play"));
    const QString word = tr("word");
    const QString partner = tr("partner");
    const Rule rules[] = {
        {QT_TR_NOOP("Each tile shows a word. Pick it, then the tile with its partner word: the "
                    "pair leaves the board and counts as Correct."),
         {{word, 1, true}, {partner, 1}}},
        {QT_TR_NOOP("Tiles lie in stacks, on several levels; the colour of a tile shows its "
                    "level. Only a free tile, the top tile of its stack, can be picked."),
         {{word, 1}, {word, 2}, {word, 3}, {word, 4}}},
        {QT_TR_NOOP("A tile that is not the partner is marked with a red X and counts as Wrong. "
                    "The tile you picked first stays selected."),
         {{word, 1, true}, {partner, 2, false, true}}},
        {QT_TR_NOOP("A tile may show a picture in place of its word, or above it. A small "
                    "speaker marks a word with a recording: with View > Play Sounds on, picking "
                    "the tile plays it."),
         {{QStringLiteral("[image=apple.png]"), 1},
          {word + QStringLiteral(" [image=apple.png]"), 2},
          {partner + QStringLiteral(" [sound=say.ogg]"), 1}}},
        {QT_TR_NOOP("Peek: hold the right mouse button on a tile to see its partner word. Hint "
                    "(Ctrl+H) frames a free pair. Both count as hints."),
         {}},
        {QT_TR_NOOP("Undo (Ctrl+Z) puts the last pair back on the board; Redo (Ctrl+Y) takes "
                    "it away again."),
         {}},
        {QT_TR_NOOP("New Game deals the tiles at random, so a board may end with no free "
                    "pair. New Game3 deals tiles that can always be cleared."),
         {}},
    };
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    int row = 0;
    for (const Rule& rule : rules) {
        auto* text = new QLabel(tr(rule.text), page);
        text->setWordWrap(true);
        text->setMinimumWidth(320);
        grid->addWidget(text, row, 0, Qt::AlignTop);
        if (!rule.tiles.empty()) {
            auto* picture = new QLabel(page);
            picture->setPixmap(TilesPicture(rule.tiles));
            grid->addWidget(picture, row, 1, Qt::AlignTop | Qt::AlignLeft);
        }
        ++row;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(1100, 640);
}
