# The desktop document, the settings dialog, the result view and the two
# program-wide engines.
add_library(spln_app_ui STATIC
    CSettingsDlg.cpp CSplnDoc.cpp CSplnView.cpp Engines.cpp
    ${PROJECT_SOURCE_DIR}/res/SettingsDialog.cpp)
target_include_directories(spln_app_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(spln_app_ui PUBLIC spln_ui spln_doc spln_experiment spln_plot spln_engine)
