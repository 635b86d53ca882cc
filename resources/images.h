// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// Where the built-in images live in the Qt resource system.
namespace images {

inline constexpr const char* kHeader = ":/images/header.bmp";   // 655 x 116, 24-bit
inline constexpr const char* kLogo = ":/images/logo.jpg";       // 64 x 64
inline constexpr const char* kHandCursor = ":/images/hand.png"; // 32 x 32, black and white

// Reads a built-in image in the format its name ends with. Naming the format keeps Qt from
// loading every image plugin to ask which one reads the file, which costs the window a
// few milliseconds before it can first paint.
QPixmap Load(const char* path);

// The program's icon for its windows: a picture drawn for each size a title bar, a task bar
// or a window switcher shows, 16 to 64 pixels, none scaled up from another. Launchers and
// menus take the bigger sizes from the installed theme icons; a window holding them too would
// decode and hand the X server 0.4 MB before it can first paint.
QIcon ProgramIcon();

// The sizes ProgramIcon() holds, smallest first.
inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64};

// Every size the icon is drawn in and installed at, smallest first.
inline constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace images
