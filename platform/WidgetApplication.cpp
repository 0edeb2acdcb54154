// Starts the offscreen widgets application of programs without windows.

#include "platform/WidgetApplication.h"

#include "platform/GuiApplication.h"

#include <QApplication>

namespace spln {

void EnsureWidgetApplication(int& argc, char** argv)
{
    if (QApplication::instance() != nullptr)
        return;
    PrepareOffscreenApplication();
    // Deliberately never destroyed: it serves until the process ends.
    new QApplication(argc, argv);
}

}  // namespace spln
