#pragma once

// The state of the keyboard's lock keys, as far as the window system lets us
// read it. Under X11 the XKB indicators are read; elsewhere (Wayland, the
// offscreen platform) the state is unknown.

#include <optional>

namespace spln {

struct KeyboardLockState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// The current lock state, or nothing when it cannot be read.
std::optional<KeyboardLockState> ReadKeyboardLocks();

}  // namespace spln
