#include "app/shell/command_table.h"

#include "app/base/command_ids.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace {

using namespace CommandId;

constexpr std::array commands{
    Command{FileNew, QT_TRANSLATE_NOOP("Command", "&New\tCtrl+N"),
            QT_TRANSLATE_NOOP("Command", "Create a new document\nNew"), "Ctrl+N"},
    Command{FileOpen, QT_TRANSLATE_NOOP("Command", "&Open...\tCtrl+O"),
            QT_TRANSLATE_NOOP("Command", "Open an existing document\nOpen"), "Ctrl+O"},
    Command{
        FileImport, QT_TRANSLATE_NOOP("Command", "&Import..."),
        QT_TRANSLATE_NOOP("Command", "Shows the import choices before a word list is read\nImport"),
        ""},
    Command{FileSave, QT_TRANSLATE_NOOP("Command", "&Save\tCtrl+S"),
            QT_TRANSLATE_NOOP("Command", "Save the active document\nSave"), "Ctrl+S"},
    Command{FileSaveAs, QT_TRANSLATE_NOOP("Command", "Save &As..."),
            QT_TRANSLATE_NOOP("Command", "Save the active document with a new name\nSave As"), ""},
    Command{ExportWordList, QT_TRANSLATE_NOOP("Command", "&Export Word List..."),
            QT_TRANSLATE_NOOP("Command",
                              "Writes the word list as a native list, TSV, CSV, kvtml or an Anki "
                              "package\nExport Word List"),
            ""},
    Command{ExportMyResults, QT_TRANSLATE_NOOP("Command", "Export &My Results..."),
            QT_TRANSLATE_NOOP("Command", "Writes how you fare with the list in play to a file for "
                                         "your teacher\nExport My Results"),
            ""},
    Command{
        NewWordList, QT_TRANSLATE_NOOP("Command", "New &Word List\tCtrl+Shift+N"),
        QT_TRANSLATE_NOOP("Command", "Opens the word-list editor on an empty list\nNew Word List"),
        "Ctrl+Shift+N"},
    Command{EditWordList, QT_TRANSLATE_NOOP("Command", "E&dit Word List"),
            QT_TRANSLATE_NOOP("Command",
                              "Opens the list in play in the word-list editor\nEdit Word List"),
            ""},
    Command{PrintWorksheet, QT_TRANSLATE_NOOP("Command", "Print Wor&ksheet..."),
            QT_TRANSLATE_NOOP("Command", "Prints the list as a list, a test or cut-out "
                                         "cards\nPrint Worksheet"),
            ""},
    Command{FilePrint, QT_TRANSLATE_NOOP("Command", "&Print...\tCtrl+P"),
            QT_TRANSLATE_NOOP("Command", "Print the active document\nPrint"), "Ctrl+P"},
    Command{FilePrintPreview, QT_TRANSLATE_NOOP("Command", "Print Pre&view"),
            QT_TRANSLATE_NOOP("Command", "Display full pages\nPrint Preview"), ""},
    Command{FilePrintSetup, QT_TRANSLATE_NOOP("Command", "P&rint Setup..."),
            QT_TRANSLATE_NOOP("Command", "Change the printer and printing options\nPrint Setup"),
            ""},
    Command{RecentFileFirst, QT_TRANSLATE_NOOP("Command", "Recent File"),
            QT_TRANSLATE_NOOP("Command", "Open this document"), ""},
    Command{AppExit, QT_TRANSLATE_NOOP("Command", "E&xit"),
            QT_TRANSLATE_NOOP("Command", "Quit the application; prompts to save documents\nExit"),
            ""},
    Command{LoadSavedGame, QT_TRANSLATE_NOOP("Command", "Load Saved Game"),
            QT_TRANSLATE_NOOP("Command", "Loads an in progress game ."), ""},
    Command{EditUndo, QT_TRANSLATE_NOOP("Command", "&Undo\tCtrl+Z"),
            QT_TRANSLATE_NOOP("Command", "Undo the last action\nUndo"), "Ctrl+Z; Alt+Backspace"},
    Command{EditRedo, QT_TRANSLATE_NOOP("Command", "&Redo\tCtrl+Y"),
            QT_TRANSLATE_NOOP("Command", "Redo the previously undone action\nRedo"),
            "Ctrl+Y; Ctrl+Shift+Z"},
    Command{EditCut, QT_TRANSLATE_NOOP("Command", "Cu&t\tCtrl+X"),
            QT_TRANSLATE_NOOP("Command", "Cut the selection and put it on the Clipboard\nCut"),
            "Ctrl+X; Shift+Del"},
    Command{EditCopy, QT_TRANSLATE_NOOP("Command", "&Copy\tCtrl+C"),
            QT_TRANSLATE_NOOP("Command", "Copy the selection and put it on the Clipboard\nCopy"),
            "Ctrl+C; Ctrl+Ins"},
    Command{EditPaste, QT_TRANSLATE_NOOP("Command", "&Paste\tCtrl+V"),
            QT_TRANSLATE_NOOP("Command", "Insert Clipboard contents\nPaste"), "Ctrl+V; Shift+Ins"},
    Command{ViewToolbar, QT_TRANSLATE_NOOP("Command", "&Toolbar"),
            QT_TRANSLATE_NOOP("Command", "Show or hide the toolbar\nToggle ToolBar"), ""},
    Command{ViewStatusBar, QT_TRANSLATE_NOOP("Command", "&Status Bar"),
            QT_TRANSLATE_NOOP("Command", "Show or hide the status bar\nToggle StatusBar"), ""},
    Command{ViewHome, QT_TRANSLATE_NOOP("Command", "&Home\tAlt+Home"),
            QT_TRANSLATE_NOOP("Command", "Shows what is due today, your lists and your "
                                         "practice\nHome"),
            "Alt+Home"},
    Command{NewGame, QT_TRANSLATE_NOOP("Command", "New Game"),
            QT_TRANSLATE_NOOP(
                "Command", "Starts a new game using the current word list. Tiles may be blocked."),
            ""},
    Command{
        NewGame3, QT_TRANSLATE_NOOP("Command", "New Game3"),
        QT_TRANSLATE_NOOP("Command", "Arranges tiles checking that they are not blocked above. "),
        ""},
    Command{DealClearableBoards, QT_TRANSLATE_NOOP("Command", "Deal Boards That Can Be Cleared"),
            QT_TRANSLATE_NOOP("Command", "Deals each list you open as New Game3 does, so that "
                                         "every tile can be cleared.\nDeal Boards That Can Be "
                                         "Cleared"),
            ""},
    Command{TodaysReview, QT_TRANSLATE_NOOP("Command", "Today's &Review\tCtrl+D"),
            QT_TRANSLATE_NOOP("Command", "Deals the pairs of every list that are due for review "
                                         "today\nToday's Review"),
            "Ctrl+D"},
    Command{WordList, QT_TRANSLATE_NOOP("Command", "&Word List"),
            QT_TRANSLATE_NOOP("Command", "Displays the currently loaded word list "), ""},
    Command{RandomNumberTest, QT_TRANSLATE_NOOP("Command", "Random number test"),
            QT_TRANSLATE_NOOP("Command", "Random number test"), ""},
    Command{DrawLevel, QT_TRANSLATE_NOOP("Command", "Draw Level"),
            QT_TRANSLATE_NOOP("Command", "Display all or one level of tiles."), ""},
    Command{
        Progress, QT_TRANSLATE_NOOP("Command", "&Progress..."),
        QT_TRANSLATE_NOOP("Command",
                          "Shows your finished games of this list and its hardest pairs\nProgress"),
        ""},
    Command{ReviewSettings, QT_TRANSLATE_NOOP("Command", "Review &Settings..."),
            QT_TRANSLATE_NOOP("Command",
                              "Chooses how much to remember, how many pairs to review and a daily "
                              "goal\nReview Settings"),
            ""},
    Command{ClassResults, QT_TRANSLATE_NOOP("Command", "&Class Results..."),
            QT_TRANSLATE_NOOP("Command", "Gathers your learners' results files and shows the "
                                         "class's hardest pairs\nClass Results"),
            ""},
    Command{SpeakWords, QT_TRANSLATE_NOOP("Command", "Speak &Words"),
            QT_TRANSLATE_NOOP("Command", "Speaks the word of each picked tile.\nSpeak Words"), ""},
    Command{PlaySounds, QT_TRANSLATE_NOOP("Command", "&Play Sounds"),
            QT_TRANSLATE_NOOP("Command", "Plays the recording of each picked tile that has "
                                         "one.\nPlay Sounds"),
            ""},
    Command{Languages, QT_TRANSLATE_NOOP("Command", "&Languages..."),
            QT_TRANSLATE_NOOP(
                "Command", "Chooses the language each side of the list is spoken in.\nLanguages"),
            ""},
    Command{AppAbout, QT_TRANSLATE_NOOP("Command", "&About Glossatiles..."),
            QT_TRANSLATE_NOOP("Command",
                              "Display program information, version number and copyright\nAbout"),
            ""},
    Command{LevelDown, QT_TRANSLATE_NOOP("Command", "Level &Down\tPage Down"),
            QT_TRANSLATE_NOOP("Command", "Displays the next level of tiles down."), "PgDown"},
    Command{LevelUp, QT_TRANSLATE_NOOP("Command", "Level &Up\tPage Up"),
            QT_TRANSLATE_NOOP("Command", "Displays the next level of tiles up."), "PgUp"},
    Command{ShowAllLevels, QT_TRANSLATE_NOOP("Command", "&All Levels\tCtrl+L"),
            QT_TRANSLATE_NOOP("Command", "Show all tile levels."), "Ctrl+L"},
    Command{Hint, QT_TRANSLATE_NOOP("Command", "&Hint\tCtrl+H"),
            QT_TRANSLATE_NOOP("Command", "Hint - highlights a matching pair of tiles."), "Ctrl+H"},
    Command{AutoRemovePair, QT_TRANSLATE_NOOP("Command", "&Auto Remove Pair\tCtrl+R"),
            QT_TRANSLATE_NOOP("Command", "Auto removes a pair of tiles."), "Ctrl+R"},
    Command{FastAutoFinish, QT_TRANSLATE_NOOP("Command", "&Fast Auto Finish\tCtrl+F"),
            QT_TRANSLATE_NOOP("Command",
                              "Fast auto finishes the game. Good for testing that no tiles are "
                              "blocked (save game first)."),
            "Ctrl+F"},
    Command{ZoomIn, QT_TRANSLATE_NOOP("Command", "Zoom &In\tCtrl++"),
            QT_TRANSLATE_NOOP("Command", "Shows the board larger."), "Ctrl++; Ctrl+="},
    Command{ZoomOut, QT_TRANSLATE_NOOP("Command", "Zoom &Out\tCtrl+-"),
            QT_TRANSLATE_NOOP("Command", "Shows the board smaller."), "Ctrl+-"},
    Command{ZoomToFit, QT_TRANSLATE_NOOP("Command", "&Fit to Window\tCtrl+0"),
            QT_TRANSLATE_NOOP("Command", "Shows the board as large as the window allows."),
            "Ctrl+0"},
    Command{TypeTheWords, QT_TRANSLATE_NOOP("Command", "&Type the Words\tCtrl+T"),
            QT_TRANSLATE_NOOP("Command", "Asks for the partner of each word of the list, one at a "
                                         "time.\nType the Words"),
            "Ctrl+T"},
    Command{Flashcards, QT_TRANSLATE_NOOP("Command", "Flash&cards\tCtrl+K"),
            QT_TRANSLATE_NOOP("Command", "Shows the pairs due first as cards that you turn and "
                                         "grade yourself.\nFlashcards"),
            "Ctrl+K"},
    Command{ChooseTheWord, QT_TRANSLATE_NOOP("Command", "Choose the &Word\tCtrl+M"),
            QT_TRANSLATE_NOOP("Command", "Asks for the partner of each word among four "
                                         "answers.\nChoose the Word"),
            "Ctrl+M"},
    Command{HelpKeys, QT_TRANSLATE_NOOP("Command", "&Keys"),
            QT_TRANSLATE_NOOP("Command", "Lists the keys that play the game without a mouse."), ""},
    Command{HelpHowToPlay, QT_TRANSLATE_NOOP("Command", "How to &Play"),
            QT_TRANSLATE_NOOP("Command", "Shows the rules of the game with pictures."), ""},
};

constexpr std::array fileMenu{FileNew,          FileOpen,       FileImport,      FileSave,
                              FileSaveAs,       ExportWordList, ExportMyResults, Separator,
                              NewWordList,      EditWordList,   Separator,       FilePrint,
                              FilePrintPreview, FilePrintSetup, PrintWorksheet,  Separator,
                              RecentFileFirst,  Separator,      AppExit,         LoadSavedGame};
constexpr std::array editMenu{EditUndo, EditRedo, Separator, EditCut, EditCopy, EditPaste};
constexpr std::array viewMenu{ViewHome,  Separator, ViewToolbar,   ViewStatusBar, Separator,
                              LevelDown, LevelUp,   ShowAllLevels, Separator,     ZoomIn,
                              ZoomOut,   ZoomToFit, Separator,     SpeakWords,    PlaySounds};
constexpr std::array gameMenu{NewGame,   NewGame3,     DealClearableBoards, TodaysReview,
                              Separator, Hint,         AutoRemovePair,      FastAutoFinish,
                              Separator, TypeTheWords, Flashcards,          ChooseTheWord};
constexpr std::array toolsMenu{WordList,       RandomNumberTest, DrawLevel, Progress,
                               ReviewSettings, ClassResults,     Languages};
constexpr std::array helpMenu{HelpHowToPlay, HelpKeys, AppAbout};

constexpr std::array menuBar{
    MenuLayout{QT_TRANSLATE_NOOP("Menu", "&File"), fileMenu},
    MenuLayout{QT_TRANSLATE_NOOP("Menu", "&Edit"), editMenu},
    MenuLayout{QT_TRANSLATE_NOOP("Menu", "&View"), viewMenu},
    MenuLayout{QT_TRANSLATE_NOOP("Menu", "&Game"), gameMenu},
    MenuLayout{QT_TRANSLATE_NOOP("Menu", "&Tools"), toolsMenu},
    MenuLayout{QT_TRANSLATE_NOOP("Menu", "&Help"), helpMenu},
};

constexpr std::array toolbar{FileNew,  FileOpen,       FileSave,      Separator, EditCut,
                             EditCopy, EditPaste,      Separator,     FilePrint, Separator,
                             AppAbout, Separator,      LevelDown,     LevelUp,   ShowAllLevels,
                             Hint,     AutoRemovePair, FastAutoFinish};

} // namespace

std::span<const Command> Commands() {
    return commands;
}

const Command* FindCommand(int id) {
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [id](const Command& c) { return c.id == id; });
    return found == commands.end() ? nullptr : &*found;
}

std::span<const MenuLayout> MenuBarLayout() {
    return menuBar;
}
std::span<const int> ToolbarLayout() {
    return toolbar;
}
