// SPDX-License-Identifier: MIT
#include "bind/wheel_steps.h"

#include "bind/spin_arrows.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWheelEvent>

namespace bind {

WheelSteps::WheelSteps(QLineEdit& box, SpinArrows& arrows)
    : QObject(&arrows), box_(box), arrows_(arrows) {
    for (QObject* watched :
         {static_cast<QObject*>(&box), static_cast<QObject*>(&arrows),
          static_cast<QObject*>(&arrows.upArrow()), static_cast<QObject*>(&arrows.downArrow())})
        watched->installEventFilter(this);
}

bool WheelSteps::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    // Taken here either way: the wheel over a box never scrolls what lies behind it.
    if (!box_.hasFocus()) {
        unstepped_ = 0;
        return true;
    }
    const auto* wheel = static_cast<QWheelEvent*>(event);
    unstepped_ += wheel->angleDelta().y();
    const int notches = unstepped_ / kNotch;
    unstepped_ -= notches * kNotch;
    if (notches != 0)
        arrows_.stepBy(notches);
    return true;
}

} // namespace bind
