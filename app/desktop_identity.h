// SPDX-License-Identifier: MIT
#pragma once

// How the desktop knows the running program: taskbars and docks match its windows with the
// installed desktop entry (name, icon) by the entry's id and by the windows' class.
namespace app {

// The desktop entry's file name without ".desktop"; also the app id on Wayland.
inline constexpr const char* kDesktopEntryId = "example.varnelcalc.VarnelCalc";

// The class of the program's windows (WM_CLASS on X11), the entry's StartupWMClass.
inline constexpr const char* kWindowClass = "VarnelCalc";

// Names the entry and the window class to Qt, whatever the program file is called. Call
// after the application is made and before the first window.
void SetDesktopIdentity();

} // namespace app
