# Frame-level toolkit pieces: command routing, recent-file list, toolbar and
# status bar, the frame window, the single-document template and the
# application object.
set(SPLN_FRAME_DIR ${PROJECT_SOURCE_DIR}/platform)
add_library(spln_frame STATIC
    ${SPLN_FRAME_DIR}/CommandTable.cpp
    ${SPLN_FRAME_DIR}/RecentFileList.cpp
    ${SPLN_FRAME_DIR}/KeyboardLocks.cpp
    ${SPLN_FRAME_DIR}/CStatusBar.cpp
    ${SPLN_FRAME_DIR}/CToolBar.cpp
    ${SPLN_FRAME_DIR}/CFrameWnd.cpp
    ${SPLN_FRAME_DIR}/CFrameWndHelp.cpp
    ${SPLN_FRAME_DIR}/CFrameWndRecentFiles.cpp
    ${SPLN_FRAME_DIR}/CSingleDocTemplate.cpp
    ${SPLN_FRAME_DIR}/CWinApp.cpp)
target_link_libraries(spln_frame PUBLIC spln_ui Qt6::Widgets Qt6::PrintSupport)

# The lock-key indicators read the keyboard's state from X11 when it is there.
find_package(X11 QUIET)
if(X11_FOUND AND X11_Xkb_FOUND)
  target_compile_definitions(spln_frame PRIVATE SPLN_HAVE_XKB)
  target_link_libraries(spln_frame PRIVATE X11::X11)
endif()
