// The application's string table.

#include "res/Strings.h"

#include "res/CommandIds.h"

#include <array>
#include <utility>

namespace spln::res {
namespace {

struct StringEntry {
    unsigned id;
    std::string_view text;
};

constexpr std::string_view kRecentPrompt = "Open this document";

constexpr std::array kStrings{
    StringEntry{IDR_MAINFRAME, "Spln\n\nSpln\n\n\nSpln.Document\nSpln Document"},
    StringEntry{AFX_IDS_APP_TITLE, "Spln"},
    StringEntry{AFX_IDS_IDLEMESSAGE, "For Help, press F1"},
    StringEntry{AFX_IDS_HELPMODEMESSAGE, "Select an object on which to get Help"},
    StringEntry{ID_SPLINE_RUN, "View of result"},
    StringEntry{ID_SPLINE_STUDY,
                "How the error falls as settings grow, which value the data choose, or how it spreads"},
    StringEntry{ID_INDICATOR_CAPS, "CAP"},
    StringEntry{ID_INDICATOR_NUM, "NUM"},
    StringEntry{ID_INDICATOR_SCRL, "SCRL"},
    StringEntry{ID_FILE_NEW, "Create a new document\nNew"},
    StringEntry{ID_FILE_OPEN, "Open an existing document\nOpen"},
    StringEntry{ID_FILE_SAVE, "Save the active document\nSave"},
    StringEntry{ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    StringEntry{ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    StringEntry{ID_FILE_PRINT, "Print the active document\nPrint"},
    StringEntry{ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    StringEntry{ID_FILE_EXPORT_PICTURE, "Save the picture as a PNG, SVG or PDF file\nExport Picture"},
    StringEntry{ID_FILE_OPEN_DATA, "Read a data file: one column of numbers, or two columns x and y\nOpen Data"},
    StringEntry{ID_FILE_EXPORT_DATA, "Save the numbers of the picture as a CSV or JSON file\nExport Data"},
    StringEntry{ID_VIEW_ERROR_CURVE, "Show or hide the error along the interval under the plot\nError Curve"},
    StringEntry{ID_VIEW_ERROR_LOG, "Show the error curve as log10 of its magnitude\nError Curve in log10"},
    StringEntry{ID_VIEW_RESET_ZOOM, "Show the whole interval again\nReset Zoom"},
    StringEntry{ID_VIEW_LEGEND, "Show or hide the legend and the subtitle naming the method\nLegend"},
    StringEntry{ID_EDIT_COPY, "Copy the picture and its numbers and put them on the Clipboard\nCopy"},
    StringEntry{ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    StringEntry{ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    StringEntry{ID_EDIT_UNDO, "Undo the last action\nUndo"},
    StringEntry{ID_EDIT_REDO, "Redo the previously undone action\nRedo"},
    StringEntry{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    StringEntry{ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    StringEntry{ID_HELP_FINDER, "List Help topics\nHelp Topics"},
    StringEntry{ID_CONTEXT_HELP, "Display help for clicked on buttons, menus and windows\nHelp"},
    StringEntry{ID_HELP, "Display help for current task or command\nHelp"},
    StringEntry{ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    StringEntry{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    StringEntry{ID_SPLINE_KEEP, "Keep the approximation shown, drawn beside the next ones for comparison\nKeep"},
    StringEntry{ID_VIEW_COMPARISON, "Show or hide the table of kept approximations\nComparison"},
    StringEntry{ID_VIEW_SETTINGS_PANEL, "Show or hide the settings panel, which redraws as you type\nSettings Panel"},
    StringEntry{61184, "Change the window size"},
    StringEntry{61185, "Change the window position"},
    StringEntry{61186, "Reduce the window to an icon"},
    StringEntry{61187, "Enlarge the window to full size"},
    StringEntry{61190, "Close the active window and prompts to save the documents"},
    StringEntry{61202, "Restore the window to normal size"},
    StringEntry{61203, "Activate Task List"},
    StringEntry{AFX_IDS_PREVIEW_CLOSE, "Close print preview mode\nCancel Preview"},
};

std::pair<std::string_view, std::string_view> SplitPrompt(std::string_view text)
{
    const auto newline = text.find('\n');
    if (newline == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, newline), text.substr(newline + 1)};
}

}  // namespace

std::string_view LoadStringResource(unsigned id)
{
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
        return kRecentPrompt;
    for (const auto& entry : kStrings) {
        if (entry.id == id)
            return entry.text;
    }
    return {};
}

std::string_view PromptOf(unsigned id)
{
    return SplitPrompt(LoadStringResource(id)).first;
}

std::string_view TooltipOf(unsigned id)
{
    return SplitPrompt(LoadStringResource(id)).second;
}

std::string_view DocumentStringField(int index)
{
    std::string_view rest = LoadStringResource(IDR_MAINFRAME);
    for (int i = 0; i < index; ++i) {
        const auto newline = rest.find('\n');
        if (newline == std::string_view::npos)
            return {};
        rest.remove_prefix(newline + 1);
    }
    return rest.substr(0, rest.find('\n'));
}

}  // namespace spln::res
