// The state of the lock keys for the status bar's indicators.

#include "platform/KeyboardLocks.h"

#ifdef SPLN_HAVE_XKB
#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
// Xlib defines macros (Bool, None, Status...) that clash with Qt: include last.
#include <X11/XKBlib.h>
#endif

namespace spln {

std::optional<KeyboardLockState> ReadKeyboardLocks()
{
#ifdef SPLN_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // Ask by name: which indicator bit means which lock depends on the keymap.
    auto lit = [display](const char* name) {
        const Atom atom = XInternAtom(display, name, True);
        int on = 0;
        if (atom == 0 || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
            return false;
        return on != 0;
    };
    return KeyboardLockState{lit("Caps Lock"), lit("Num Lock"), lit("Scroll Lock")};
#else
    return std::nullopt;
#endif
}

}  // namespace spln
