#include "app/command_table.h"

#include "app/command_ids.h"

#include <algorithm>
#include <array>

namespace {

using namespace CommandId;

constexpr std::array commands{
    Command{FileNew, "&New\tCtrl+N", "Create a new document\nNew", "Ctrl+N"},
    Command{FileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen", "Ctrl+O"},
    Command{FileSave, "&Save\tCtrl+S", "Save the active document\nSave", "Ctrl+S"},
    Command{FileSaveAs, "Save &As...", "Save the active document with a new name\nSave As", ""},
    Command{FilePrint, "&Print...\tCtrl+P", "Print the active document\nPrint", "Ctrl+P"},
    Command{FilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview", ""},
    Command{FilePrintSetup, "P&rint Setup...",
            "Change the printer and printing options\nPrint Setup", ""},
    Command{RecentFileFirst, "Recent File", "Open this document", ""},
    Command{AppExit, "E&xit", "Quit the application; prompts to save documents\nExit", ""},
    Command{LoadSavedGame, "Load Saved Game", "Loads an in progress game .", ""},
    Command{EditUndo, "&Undo\tCtrl+Z", "Undo the last action\nUndo", "Ctrl+Z; Alt+Backspace"},
    Command{EditCut, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard\nCut",
            "Ctrl+X; Shift+Del"},
    Command{EditCopy, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard\nCopy",
            "Ctrl+C; Ctrl+Ins"},
    Command{EditPaste, "&Paste\tCtrl+V", "Insert Clipboard contents\nPaste", "Ctrl+V; Shift+Ins"},
    Command{ViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", ""},
    Command{ViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", ""},
    Command{NewGame, "New Game",
            "Starts a new game using the current word list. Tiles may be blocked.", ""},
    Command{NewGame3, "New Game3", "Arranges tiles checking that they are not blocked above. ", ""},
    Command{WordList, "&Word List", "Displays the currently loaded word list ", ""},
    Command{RandomNumberTest, "Random number test", "Random number test", ""},
    Command{DrawLevel, "Draw Level", "Display all or one level of tiles.", ""},
    Command{SpeakWords, "Speak &Words", "Speaks the word of each picked tile.\nSpeak Words", ""},
    Command{Languages, "&Languages...",
            "Chooses the language each side of the list is spoken in.\nLanguages", ""},
    Command{AppAbout, "&About Glossatiles...",
            "Display program information, version number and copyright\nAbout", ""},
    Command{LevelDown, "", "Displays the next level of tiles down.", ""},
    Command{LevelUp, "", "Displays the next level of tiles up.", ""},
    Command{ShowAllLevels, "", "Show all tile levels.", ""},
    Command{Hint, "", "Hint - highlights a matching pair of tiles.", ""},
    Command{AutoRemovePair, "", "Auto removes a pair of tiles.", ""},
    Command{FastAutoFinish, "",
            "Fast auto finishes the game. Good for testing that no tiles are blocked (save game "
            "first).",
            ""},
};

constexpr std::array fileMenu{FileNew,      FileOpen,        FileSave,         FileSaveAs,
                              Separator,    FilePrint,       FilePrintPreview, FilePrintSetup,
                              Separator,    RecentFileFirst, Separator,        AppExit,
                              LoadSavedGame};
constexpr std::array editMenu{EditUndo, Separator, EditCut, EditCopy, EditPaste};
constexpr std::array viewMenu{ViewToolbar, ViewStatusBar, SpeakWords};
constexpr std::array gameMenu{NewGame, NewGame3};
constexpr std::array toolsMenu{WordList, RandomNumberTest, DrawLevel, Languages};
constexpr std::array helpMenu{AppAbout};

constexpr std::array menuBar{
    MenuLayout{"&File", fileMenu}, MenuLayout{"&Edit", editMenu},  MenuLayout{"&View", viewMenu},
    MenuLayout{"Game", gameMenu},  MenuLayout{"Tools", toolsMenu}, MenuLayout{"&Help", helpMenu},
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

std::string_view StatusPrompt(const Command& command) {
    return command.prompt.substr(0, command.prompt.find('\n'));
}

std::string_view ToolTip(const Command& command) {
    const std::size_t newline = command.prompt.find('\n');
    return newline == std::string_view::npos ? command.prompt : command.prompt.substr(newline + 1);
}

std::span<const MenuLayout> MenuBarLayout() {
    return menuBar;
}
std::span<const int> ToolbarLayout() {
    return toolbar;
}
