// SPDX-License-Identifier: MIT
#include "desktop/beep.h"

#include <QApplication>
#include <utility>

namespace desktop {
namespace {

Beeper& CurrentBeeper() {
    static Beeper beeper = [] {
        QApplication::beep();
    };
    return beeper;
}

} // namespace

void Beep() {
    CurrentBeeper()();
}

Beeper SetBeeper(Beeper beeper) {
    return std::exchange(CurrentBeeper(), std::move(beeper));
}

} // namespace desktop
