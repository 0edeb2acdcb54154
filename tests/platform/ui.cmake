# Tests of the document/view, dialog and data-exchange layer (widget tests on
# Qt's offscreen platform).
find_package(Qt6 REQUIRED COMPONENTS Test)

# The entry of every widget test program: one QApplication for the whole run.
add_library(spln_widget_test_main STATIC UiTestMain.cpp)
target_link_libraries(spln_widget_test_main PUBLIC Qt6::Widgets GTest::gtest)

add_executable(test_ui_platform FieldNumbersTest.cpp DDXTest.cpp DocumentTest.cpp ViewTest.cpp)
target_link_libraries(test_ui_platform PRIVATE spln_ui spln_widget_test_main Qt6::Test)
gtest_discover_tests(test_ui_platform
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_MODE PRE_TEST)
