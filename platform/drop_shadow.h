// SPDX-License-Identifier: MIT
#pragma once

#include <QWindow>

namespace mAPI {

// Gives the window's class a drop shadow. On Windows the shadow is a bit of the window
// class's style, so it also reaches every later window of the same class. Elsewhere the
// window manager or compositor draws shadows by its own rules, and this does nothing.
void AddDropShadow(WId window);

} // namespace mAPI
