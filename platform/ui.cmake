# The document/view, dialog and data-exchange layer over Qt Widgets.
add_library(spln_ui STATIC
    CDialog.cpp CDocument.cpp CView.cpp DDX.cpp DialogBuilder.cpp MessageBox.cpp FieldNumbers.cpp
    SaveFileDialog.cpp PictureSizeDialog.cpp)
target_link_libraries(spln_ui PUBLIC spln_text spln_io spln_draw_qt spln_draw_core Qt6::Widgets Qt6::PrintSupport)
