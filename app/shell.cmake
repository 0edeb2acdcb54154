# The application shell: the application, the main frame and About box, and
# the program spln.
add_library(spln_shell STATIC
    CSplnApp.cpp CMainFrame.cpp CAboutDlg.cpp HelpText.cpp)
target_link_libraries(spln_shell PUBLIC spln_frame spln_app_ui spln_app_study spln_res)

add_executable(spln main.cpp)
target_link_libraries(spln PRIVATE spln_shell spln_version)
