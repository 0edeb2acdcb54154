# Experiment files: the settings of a run as text, for the desktop and spln-cli.
add_library(spln_experiment STATIC ExperimentFile.cpp)
target_include_directories(spln_experiment PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(spln_experiment PUBLIC spln_engine)
