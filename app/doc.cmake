# The toolkit-free half of the document: settings, captions, plot arrays and
# the document's own built-in formulas.
add_library(spln_doc STATIC SplnDocData.cpp DocFunctions.cpp)
target_include_directories(spln_doc PUBLIC ${PROJECT_SOURCE_DIR})
