// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace desktop {

// Sounds the desktop's bell, as a text box does for input it refuses.
void Beep();

// Replaces what Beep does, and returns what it replaced. Tests count beeps with it.
using Beeper = std::function<void()>;
Beeper SetBeeper(Beeper beeper);

} // namespace desktop
