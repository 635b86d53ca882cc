// SPDX-License-Identifier: MIT
#pragma once

class QLineEdit;
class QObject;

namespace calc {
class SpinButton;
}

namespace bind {

// Shows a box with arrows beside it to screen readers as one spin box: its name, the role
// "spin box", its text as value, and the range of its arrows. The text stays readable and
// editable through the reader as in any box. The range is read from the spin button while
// its arrows, the object that owns it for the box, live.
void ExposeAsSpinBox(QLineEdit& edit, const QObject& arrows, const calc::SpinButton& range);

// Tells screen readers that a step of the arrows changed the box's value; they speak it
// when the box has the focus. Typing raises no such news.
void AnnounceStep(QLineEdit& edit);

} // namespace bind
