// SPDX-License-Identifier: MIT
#include "hand_cursor.h"

#include "images.h"

#include <QPixmap>

namespace widgets {

QCursor HandCursor() {
    return QCursor(images::Load(images::kHandCursor), 5, 0);
}

} // namespace widgets
