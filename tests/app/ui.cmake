# Tests of the desktop document, the settings dialog, the result view and the study windows
# (widget tests on Qt's offscreen platform).
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(test_ui_app SettingsDialogTest.cpp SettingsPanelTest.cpp SplineRunTest.cpp ResultViewTest.cpp StudyWindowTest.cpp)
target_link_libraries(test_ui_app PRIVATE spln_app_ui spln_app_study spln_draw_core spln_widget_test_main Qt6::Test)
gtest_discover_tests(test_ui_app
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_MODE PRE_TEST)
