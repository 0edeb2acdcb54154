# Tests of the application shell: frame, menus, accelerators, toolbar, status
# bar, recent files, Save, opening files and the About box (offscreen).
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(test_shell
    ShellTestMain.cpp ShellFrameTest.cpp ShellRecentTest.cpp ShellFilesTest.cpp
    ShellDialogsTest.cpp ShellTemplateTest.cpp)
target_link_libraries(test_shell PRIVATE spln_shell Qt6::Test GTest::gtest)
gtest_discover_tests(test_shell
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_MODE PRE_TEST)
