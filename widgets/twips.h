// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// The windows are designed in twips, 15 to a pixel at 96 dpi. Qt scales logical pixels for
// dense screens by itself, so this is the one conversion the layout needs.
namespace widgets::twips {

constexpr int ToPixels(int twips) {
    return (twips + 7) / 15;
}

constexpr QRect ToRect(int left, int top, int width, int height) {
    return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
}

} // namespace widgets::twips
