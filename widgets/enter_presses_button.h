// SPDX-License-Identifier: MIT
#pragma once

class QAbstractButton;

namespace widgets {

// Enter and Return press the button while it has the focus, as Space does. No button of a
// window becomes its default button by this: elsewhere Enter still does nothing.
void PressOnEnter(QAbstractButton& button);

} // namespace widgets
