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

} // namespace desktop
