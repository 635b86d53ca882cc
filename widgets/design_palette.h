// SPDX-License-Identifier: MIT
#pragma once

#include <QPalette>

// The windows were designed on a light desktop: white fields, black default text, grey
// buttons and frames. A dark or coloured desktop palette would mix its light text into the
// designed white backgrounds, so the designed windows carry these colours themselves.
namespace widgets::design {

// The light palette the windows were designed with, every role in every colour group. Set
// on a designed window, its controls inherit it; a window Qt makes for the program (a
// message box) does not, and keeps the desktop's palette throughout.
QPalette LightPalette();

// The style the windows were designed in, for the whole program, so that frames, arrows and
// buttons look the same on every desktop. Call once, after the application is made.
void UseDesignStyle();

} // namespace widgets::design
