// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>

namespace widgets {

// The pointing hand shown over links, with its hot spot on the fingertip.
QCursor HandCursor();

} // namespace widgets
