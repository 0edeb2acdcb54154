# Tests of the document/view, dialog and data-exchange layer (widget tests on
# Qt's offscreen platform).
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(test_ui_platform
    UiTestMain.cpp FieldNumbersTest.cpp DDXTest.cpp DocumentTest.cpp ViewTest.cpp)
target_link_libraries(test_ui_platform PRIVATE spln_ui Qt6::Test GTest::gtest)
gtest_discover_tests(test_ui_platform
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_MODE PRE_TEST)
