// SPDX-License-Identifier: MIT
#include "desktop/window_place.h"

#include <algorithm>

namespace desktop {

QPoint CentredPlace(QSize window, const QRect& available) {
    const QPoint centred = available.center() - QRect(QPoint(), window).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

QPoint BesidePlace(QSize window, const QRect& beside, const QRect& available) {
    // The top edge wins over the bottom one: the title bar stays where it can be taken.
    const int top =
        std::max(std::min(beside.top(), available.bottom() + 1 - window.height()), available.top());
    if (beside.right() + window.width() <= available.right())
        return {beside.right() + 1, top};
    if (beside.left() - window.width() >= available.left())
        return {beside.left() - window.width(), top};
    return CentredPlace(window, available);
}

} // namespace desktop
