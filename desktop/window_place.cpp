// SPDX-License-Identifier: MIT
#include "desktop/window_place.h"

#include <algorithm>

namespace desktop {

QPoint CentredPlace(QSize window, const QRect& available) {
    const QPoint centred = available.center() - QRect(QPoint(), window).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

BesidePlaces BesidePlace(QSize window, const QRect& beside, const QRect& available) {
    // The top edge wins over the bottom one: the title bar stays where it can be taken.
    const int top =
        std::max(std::min(beside.top(), available.bottom() + 1 - window.height()), available.top());
    if (beside.right() + window.width() <= available.right())
        return {{beside.right() + 1, top}, beside.topLeft()};
    if (beside.left() - window.width() >= available.left())
        return {{beside.left() - window.width(), top}, beside.topLeft()};
    if (beside.width() + window.width() <= available.width()) {
        const int left = available.right() + 1 - window.width();
        return {{left, top}, {left - beside.width(), beside.top()}};
    }
    return {CentredPlace(window, available), beside.topLeft()};
}

} // namespace desktop
