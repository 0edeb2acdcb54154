# Tests of the toolkit-free half of the document: captions, the exact curve and
# the document's formulas against the engine's.
add_executable(test_doc test_doc_functions.cpp test_doc_data.cpp)
target_link_libraries(test_doc PRIVATE spln_doc spln_engine GTest::gtest_main)
gtest_discover_tests(test_doc)
