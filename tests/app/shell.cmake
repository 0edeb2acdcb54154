# Tests of the application shell: frame, menus, accelerators, toolbar, status
# bar, recent files, Save, opening files and the About box (offscreen).
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(test_shell
    ShellTestMain.cpp ShellFrameTest.cpp ShellRecentTest.cpp ShellFilesTest.cpp
    ShellDialogsTest.cpp ShellTemplateTest.cpp ShellQuitTest.cpp ShellUndoTest.cpp ShellCompareTest.cpp
    ResultCommandsTest.cpp)
target_link_libraries(test_shell PRIVATE spln_shell Qt6::Test GTest::gtest)
target_compile_definitions(test_shell PRIVATE SPLN_MANUAL_PAGE="${PROJECT_SOURCE_DIR}/dist/spln.1.in")
# The exports are compared with what the command line writes.
target_compile_definitions(test_shell PRIVATE SPLN_CLI_PATH="$<TARGET_FILE:spln-cli>")
add_dependencies(test_shell spln-cli)
gtest_discover_tests(test_shell
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_MODE PRE_TEST)
