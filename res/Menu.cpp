// The main frame's menu template.

#include "res/Menu.h"

#include "res/CommandIds.h"

#include <array>

namespace spln::res {
namespace {

using K = MenuItemKind;

constexpr MenuItemTemplate Popup(std::string_view text)
{
    return {K::Popup, text};
}
constexpr MenuItemTemplate End()
{
    return {K::EndPopup, {}};
}
constexpr MenuItemTemplate Separator()
{
    return {K::Separator, {}};
}
constexpr MenuItemTemplate Item(std::string_view text, unsigned id, bool grayed = false)
{
    return {K::Command, text, id, grayed};
}

constexpr std::array kMainMenu{
    Popup("&File"),
    Item("&New\tCtrl+N", ID_FILE_NEW),
    Item("&Open...\tCtrl+O", ID_FILE_OPEN),
    Item("&Save\tCtrl+S", ID_FILE_SAVE),
    Item("Save &As...", ID_FILE_SAVE_AS),
    Item("Open Da&ta...", ID_FILE_OPEN_DATA),
    Separator(),
    Item("Export P&icture...", ID_FILE_EXPORT_PICTURE),
    Item("Export &Data...", ID_FILE_EXPORT_DATA),
    Separator(),
    Item("&Print...\tCtrl+P", ID_FILE_PRINT),
    Item("Print Pre&view", ID_FILE_PRINT_PREVIEW),
    Item("P&rint Setup...", ID_FILE_PRINT_SETUP),
    Separator(),
    Item("Recent File", ID_FILE_MRU_FILE1, true),
    Separator(),
    Item("E&xit", ID_APP_EXIT),
    End(),
    Popup("&Edit"),
    Item("&Undo\tCtrl+Z", ID_EDIT_UNDO),
    Item("&Redo\tCtrl+Shift+Z", ID_EDIT_REDO),
    Separator(),
    Item("Cu&t\tCtrl+X", ID_EDIT_CUT),
    Item("&Copy\tCtrl+C", ID_EDIT_COPY),
    Item("&Paste\tCtrl+V", ID_EDIT_PASTE),
    End(),
    Popup("&Spline"),
    Item("&Run", ID_SPLINE_RUN),
    Item("S&tudy...", ID_SPLINE_STUDY),
    Item("&Keep", ID_SPLINE_KEEP),
    End(),
    Popup("&View"),
    Item("&Toolbar", ID_VIEW_TOOLBAR),
    Item("&Status Bar", ID_VIEW_STATUS_BAR),
    Separator(),
    Item("&Error Curve", ID_VIEW_ERROR_CURVE),
    Item("Error Curve in &log10", ID_VIEW_ERROR_LOG),
    Item("Le&gend", ID_VIEW_LEGEND),
    Item("Reset &Zoom\tHome", ID_VIEW_RESET_ZOOM),
    Item("Settings &Panel", ID_VIEW_SETTINGS_PANEL),
    Item("&Comparison", ID_VIEW_COMPARISON),
    End(),
    Popup("&Help"),
    Item("&Help Topics", ID_HELP_FINDER),
    Separator(),
    Item("&About Spln...", ID_APP_ABOUT),
    End(),
};

}  // namespace

std::span<const MenuItemTemplate> MainMenuTemplate()
{
    return kMainMenu;
}

}  // namespace spln::res
