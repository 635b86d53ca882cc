// SPDX-License-Identifier: MIT
#include "hand_cursor.h"

#include "images.h"

#include <QPixmap>

namespace mAPI {

QCursor HandCursor() {
    return QCursor(QPixmap(images::kHandCursor), 5, 0);
}

} // namespace mAPI
