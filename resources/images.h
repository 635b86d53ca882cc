// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

// Where the built-in images live in the Qt resource system.
namespace images {

inline constexpr const char* kHeader = ":/images/header.bmp";   // 655 x 116, 24-bit
inline constexpr const char* kIcon = ":/images/icon.png";       // 48 x 48, 256 colours
inline constexpr const char* kLogo = ":/images/logo.jpg";       // 64 x 64
inline constexpr const char* kHandCursor = ":/images/hand.png"; // 32 x 32, black and white

// Reads a built-in image in the format its name ends with. Naming the format keeps Qt from
// loading every image plugin to ask which one reads the file, which costs the window a
// few milliseconds before it can first paint.
QPixmap Load(const char* path);

} // namespace images
