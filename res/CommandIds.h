#pragma once

// Command and resource ids of the main frame: menu entries, accelerators,
// toolbar buttons, status-bar panes and their strings share these numbers.

#include "platform/FrameTemplates.h"

namespace spln::res {

constexpr unsigned IDR_MAINFRAME = 128;
constexpr unsigned IDD_ABOUTBOX = 100;

using ::ID_SEPARATOR;

constexpr unsigned ID_FILE_NEW = 57600;
constexpr unsigned ID_FILE_OPEN = 57601;
constexpr unsigned ID_FILE_SAVE = 57603;
constexpr unsigned ID_FILE_SAVE_AS = 57604;
constexpr unsigned ID_FILE_PRINT_SETUP = 57606;
constexpr unsigned ID_FILE_PRINT = 57607;
constexpr unsigned ID_FILE_PRINT_DIRECT = 57608;
constexpr unsigned ID_FILE_PRINT_PREVIEW = 57609;
constexpr unsigned ID_FILE_MRU_FILE1 = 57616;
constexpr unsigned ID_FILE_MRU_LAST = 57631;

constexpr unsigned ID_EDIT_COPY = 57634;
constexpr unsigned ID_EDIT_CUT = 57635;
constexpr unsigned ID_EDIT_PASTE = 57637;
constexpr unsigned ID_EDIT_UNDO = 57643;
constexpr unsigned ID_EDIT_REDO = 57644;

constexpr unsigned ID_APP_ABOUT = 57664;
constexpr unsigned ID_APP_EXIT = 57665;
constexpr unsigned ID_HELP_FINDER = 57667;
constexpr unsigned ID_CONTEXT_HELP = 57669;
constexpr unsigned ID_HELP = 57670;
constexpr unsigned ID_DEFAULT_HELP = 57671;

constexpr unsigned ID_NEXT_PANE = 57680;
constexpr unsigned ID_PREV_PANE = 57681;

constexpr unsigned ID_INDICATOR_CAPS = 59137;
constexpr unsigned ID_INDICATOR_NUM = 59138;
constexpr unsigned ID_INDICATOR_SCRL = 59139;

constexpr unsigned ID_VIEW_TOOLBAR = 59392;
constexpr unsigned ID_VIEW_STATUS_BAR = 59393;
constexpr unsigned AFX_IDW_TOOLBAR = 59392;
constexpr unsigned AFX_IDW_STATUS_BAR = 59393;

constexpr unsigned ID_SPLINE_RUN = 32776;
constexpr unsigned ID_SPLINE_STUDY = 32777;
constexpr unsigned ID_SPLINE_KEEP = 32778;
constexpr unsigned ID_FILE_EXPORT_PICTURE = 32800;
constexpr unsigned ID_FILE_EXPORT_DATA = 32801;
constexpr unsigned ID_VIEW_ERROR_CURVE = 32802;
constexpr unsigned ID_VIEW_ERROR_LOG = 32803;
constexpr unsigned ID_VIEW_LEGEND = 32804;
constexpr unsigned ID_VIEW_RESET_ZOOM = 32805;
constexpr unsigned ID_VIEW_SETTINGS_PANEL = 32807;
constexpr unsigned ID_VIEW_COMPARISON = 32808;
constexpr unsigned ID_FILE_OPEN_DATA = 32809;

// Strings that are not command prompts.
constexpr unsigned AFX_IDS_APP_TITLE = 57344;
constexpr unsigned AFX_IDS_IDLEMESSAGE = 57345;
constexpr unsigned AFX_IDS_HELPMODEMESSAGE = 57346;
constexpr unsigned AFX_IDS_PREVIEW_CLOSE = 61445;

}  // namespace spln::res
