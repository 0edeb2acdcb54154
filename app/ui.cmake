# The desktop document, the settings dialog, the result view and the two
# program-wide engines.
add_library(spln_app_ui STATIC
    CSettingsDlg.cpp CSplnDoc.cpp CSplnView.cpp Engines.cpp ResultCommands.cpp)
target_include_directories(spln_app_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(spln_app_ui PUBLIC spln_ui spln_res spln_model spln_plot spln_plot_export spln_io)
