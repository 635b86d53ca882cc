// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace mAPI {

// Why no window could be shown, or an empty text when a display is there to show one.
// Asked before Qt starts, because Qt's own answer to a missing display is to abort.
QString MissingDisplayReason();

} // namespace mAPI
