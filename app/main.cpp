// spln: the desktop program. Without an argument it starts with a new
// document; with a file name it opens that file. --help and --version answer
// without a display.

#include "app/CSplnApp.h"
#include "dist/Version.h"
#include "io/AtomicFile.h"
#include "platform/CDialog.h"
#include "platform/MessageBox.h"
#include "text/PrintableText.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

CSplnApp theApp;

bool EnvironmentHasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// Platforms without a screen a person looks at.
bool PlatformShowsWindows()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// While the program starts, every message also goes to stderr, so that a
// start that goes wrong (say, a file that cannot be opened) is explained in
// the terminal too; the message box shows only where there is a screen.
class StartupMessagesToStderr {
public:
    StartupMessagesToStderr()
    {
        const bool showBox = PlatformShowsWindows();
        m_previous = SetMessageBoxHook([showBox, this](const QString& text, unsigned type) {
            std::fprintf(stderr, "spln: %s\n", spln::PrintableText(text.toStdString()).c_str());
            if (!showBox)
                return IDOK;
            MessageBoxHook self = SetMessageBoxHook(m_previous);
            const int result = AfxMessageBox(text, type);
            SetMessageBoxHook(std::move(self));
            return result;
        });
    }
    ~StartupMessagesToStderr() { SetMessageBoxHook(m_previous); }
    StartupMessagesToStderr(const StartupMessagesToStderr&) = delete;
    StartupMessagesToStderr& operator=(const StartupMessagesToStderr&) = delete;

private:
    MessageBoxHook m_previous;
};

constexpr const char* kUsage =
    "Usage: spln [FILE]\n"
    "Opens the experiment FILE in the Spln window, or starts with a new experiment.\n"
    "  --help     print this text and exit\n"
    "  --version  print the program name and version and exit\n";

// Answers --help and --version before anything needs a display: the exit
// status, or -1 when neither was asked for. An answer that cannot be written
// is a failure.
int AnsweredInformationFlag(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (!help && std::strcmp(argv[i], "--version") != 0)
            continue;
        if (help)
            std::fputs(kUsage, stdout);
        else
            std::printf("%s\n", spln::kVersionLine);
        if (std::fflush(stdout) == 0 && !std::ferror(stdout))
            return 0;
        std::fprintf(stderr, "spln: the %s could not be written to standard output.\n", help ? "help" : "version");
        return 1;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    spln::IgnoreFileSizeSignal();
    if (const int answered = AnsweredInformationFlag(argc, argv); answered >= 0)
        return answered;
    if (!EnvironmentHasDisplay()) {
        std::fprintf(stderr,
                     "spln: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                     "the desktop program needs one. spln-cli renders without a display.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    theApp.SetCommandLine(arguments);

    bool started = false;
    {
        StartupMessagesToStderr reporter;
        started = theApp.InitInstance();
    }
    if (!started) {
        theApp.ExitInstance();
        return 1;
    }
    QApplication::exec();
    return theApp.ExitInstance();
}
