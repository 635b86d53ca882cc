// SPDX-License-Identifier: MIT
#include "desktop/window_place.h"

#include <algorithm>

namespace desktop {

QPoint CentredPlace(QSize window, const QRect& available) {
    const QPoint centred = available.center() - QRect(QPoint(), window).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

} // namespace desktop
