#pragma once

// A frame window described as data, as a resource script describes it: the
// menu, the accelerator table, the toolbar buttons and the string table.
// CFrameWnd::LoadFrame turns them into a menu bar, shortcuts and commands.

#include <QPixmap>

#include <span>
#include <string_view>

// A menu as a flat template: a popup opens a level that the matching
// EndPopup closes.
enum class MenuItemKind { Popup, EndPopup, Command, Separator };

struct MenuItemTemplate {
    MenuItemKind kind;
    std::string_view text;  // with & mnemonics and "\t" accelerator text
    unsigned id = 0;
    bool grayed = false;  // shown disabled whatever the handlers say
};

enum class VirtualKey { Letter, Back, Delete, Insert, F1, F6 };

struct AcceleratorEntry {
    VirtualKey key;
    char letter;  // for VirtualKey::Letter: 'A'..'Z'
    bool control;
    bool shift;
    bool alt;
    unsigned command;
};

constexpr unsigned ID_SEPARATOR = 0;

struct FrameResources {
    std::span<const MenuItemTemplate> menu;
    std::span<const AcceleratorEntry> accelerators;
    // The string table: command prompts ("status text\ntooltip") and texts.
    std::string_view (*loadString)(unsigned id) = nullptr;
    // Toolbar buttons left to right, ID_SEPARATOR for a gap, and their images.
    std::span<const unsigned> toolbarButtons;
    QPixmap (*toolbarImage)(unsigned id) = nullptr;
};
