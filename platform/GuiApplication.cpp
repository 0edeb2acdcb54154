// Starts the offscreen Qt application of programs without windows.

#include "platform/GuiApplication.h"

#include <QGuiApplication>
#include <QString>

namespace spln {

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Headless drawing needs no runtime directory, so Qt's complaint that none is
// set would only clutter the command line's standard error.
void QuietRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (g_previousHandler != nullptr)
        g_previousHandler(type, context, message);
}

}  // namespace

void PrepareOffscreenApplication()
{
    // Pictures are drawn without a display, whatever platform the session would choose.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previousHandler = qInstallMessageHandler(QuietRuntimeDirWarning);
}

void EnsureGuiApplication(int& argc, char** argv)
{
    if (QGuiApplication::instance() != nullptr)
        return;
    PrepareOffscreenApplication();
    // Deliberately never destroyed: it serves until the process ends.
    new QGuiApplication(argc, argv);
}

void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "spln";
    static char* argv[] = {name, nullptr};
    EnsureGuiApplication(argc, argv);
}

}  // namespace spln
