// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QLineEdit;

namespace bind {

class SpinArrows;

// The mouse wheel over an input box or its arrows. While the box has the keyboard focus each
// notch steps the figure as one click on an arrow does; a box without the focus ignores the
// wheel, so that moving the wheel over the window never changes a figure by accident.
// Smooth-scrolling wheels and touchpads send fractions of a notch: they add up.
class WheelSteps final : public QObject {
public:
    // Watches the box and its arrows; owned by the arrows.
    WheelSteps(QLineEdit& box, SpinArrows& arrows);

    // One notch of a standard mouse wheel, in eighths of a degree.
    static constexpr int kNotch = 120;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& box_;
    SpinArrows& arrows_;
    int unstepped_ = 0;
};

} // namespace bind
