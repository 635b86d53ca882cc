// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace mAPI {

// Gives the window's class a drop shadow; window is the native handle (QWidget::winId()).
// On Windows the shadow is a bit of the window class's style, so it also reaches every
// later window of the same class. Elsewhere the window manager or compositor draws shadows
// by its own rules, and this does nothing.
void AddDropShadow(std::uintptr_t window);

} // namespace mAPI
