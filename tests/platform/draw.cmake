# Tests of the drawing surfaces: the recording surface and font resolution (no
# Qt), and the surface over QPainter on Qt's offscreen platform.
add_executable(test_draw_core RecordingDCTest.cpp FontFacesTest.cpp)
target_link_libraries(test_draw_core PRIVATE spln_draw_core GTest::gtest_main)
gtest_discover_tests(test_draw_core)

add_executable(test_draw_qt DrawQtTestMain.cpp QtDCTest.cpp)
target_link_libraries(test_draw_qt PRIVATE spln_draw_qt GTest::gtest)
gtest_discover_tests(test_draw_qt
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_MODE PRE_TEST)
