# Drawing surfaces: the device-context interface with its fonts and pens and a
# recording surface for tests (no Qt), and the surface over QPainter.
add_library(spln_draw_core STATIC CDC.cpp FontFaces.cpp RecordingDC.cpp)
target_link_libraries(spln_draw_core PUBLIC spln_include_root)

add_library(spln_draw_qt STATIC QtDC.cpp GuiApplication.cpp)
target_link_libraries(spln_draw_qt PUBLIC spln_draw_core Qt6::Gui)

# The offscreen application for headless drawing with widgets (Qt Charts).
add_library(spln_widget_app STATIC WidgetApplication.cpp)
target_link_libraries(spln_widget_app PUBLIC spln_draw_qt Qt6::Widgets)
