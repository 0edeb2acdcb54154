# The desktop document, the settings dialog, the result view and the two
# program-wide engines.
add_library(spln_app_ui STATIC
    CComparisonPanel.cpp CSettingsDlg.cpp CSettingsPanel.cpp CSplnDoc.cpp CSplnView.cpp Engines.cpp ResultCommands.cpp)
target_link_libraries(spln_app_ui PUBLIC spln_ui spln_res spln_model spln_plot spln_plot_export spln_io)

# Studies in the desktop program: the study dialog, the run off the
# user-interface thread and the result window with its chart.
add_library(spln_app_study STATIC CStudyDlg.cpp StudyJob.cpp CStudyWnd.cpp)
target_link_libraries(spln_app_study PUBLIC spln_ui spln_res spln_study spln_study_chart spln_io Qt6::Charts Qt6::Widgets)
