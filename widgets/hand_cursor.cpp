// SPDX-License-Identifier: MIT
#include "widgets/hand_cursor.h"

#include "resources/images.h"

#include <QPixmap>

namespace widgets {

QCursor HandCursor() {
    return QCursor(images::Load(images::kHandCursor), 5, 0);
}

} // namespace widgets
