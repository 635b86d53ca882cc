// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

class QAbstractScrollArea;

namespace pages {

// Scrolls area as little as needed to bring onPage (in the coordinates of what it scrolls)
// into view; what does not fit shows its top left.
void ScrollIntoView(QAbstractScrollArea& area, const QRect& onPage);

} // namespace pages
