// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace desktop {

// Where a window of this size opens on a screen's available area: centred on it, except that
// the window's top-left corner, where its title bar begins, never lies outside it. A window
// larger than the area (a small screen, a large scale factor) then still shows the title bar
// by which it can be moved.
QPoint CentredPlace(QSize window, const QRect& available);

// Where a window of this size opens beside another window's frame, so that both can be seen:
// to its right where the area has room, else to its left. Where neither side has room but the
// area is wide enough for both, the other window moves over just enough for this one to stand
// on its right. Else it opens centred as CentredPlace puts it. Beside it, the tops are level
// unless that would take the window off the area's bottom or top.
struct BesidePlaces {
    QPoint window;
    QPoint beside; // where the other window's frame goes: where it is, unless it moves over
};
BesidePlaces BesidePlace(QSize window, const QRect& beside, const QRect& available);

} // namespace desktop
