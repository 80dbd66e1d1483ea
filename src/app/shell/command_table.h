#pragma once

#include <span>
#include <string_view>

// What the menus, the toolbar and the status bar show for one command. Texts are English and
// marked for translation in the context "Command"; menu titles in the context "Menu".
struct Command {
    int id;
    // Menu text with its mnemonic and, after a tab, the accelerator text; empty for commands
    // that only the toolbar reaches.
    std::string_view text;
    // Status-bar prompt, then optionally "\n" and the tool tip.
    std::string_view prompt;
    // Accelerators separated by "; ", as QKeySequence::listFromString reads them.
    std::string_view shortcuts;
};

std::span<const Command> Commands();
// nullptr for an id that is not in the table.
const Command* FindCommand(int id);

// 0 in a menu or toolbar layout marks a separator.
inline constexpr int Separator = 0;

struct MenuLayout {
    std::string_view title;
    // CommandId::RecentFileFirst stands for the whole recent-file section.
    std::span<const int> items;
};

std::span<const MenuLayout> MenuBarLayout();
std::span<const int> ToolbarLayout();
