// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace app {

// Why no window could be shown, or an empty text when a display is there to show one.
// Asked before Qt starts, because Qt's own answer to a missing display is to abort.
QString MissingDisplayReason();

// The line that says which display could not be opened: the X display and the Wayland
// display named by the environment, as far as they are set, or the platform named by
// QT_QPA_PLATFORM where that is neither X nor Wayland.
QString UnreachableDisplayReason();

// While it is armed, Qt failing to open the display ends the program with that one line on
// stderr and exit code 1, instead of Qt's advice to reinstall and an abort with a core
// dump. What Qt says meanwhile is held back, and passed on when the guard is disarmed.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;

    // Once the display is open: hands on what was held back and stops watching.
    void disarm();
};

} // namespace app
