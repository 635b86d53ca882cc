// SPDX-License-Identifier: MIT
#pragma once

class QLineEdit;

namespace planwindow {

// Gives a result box the calculator's copy menu in place of the box's own: "Copy" copies the
// figure as shown, "Copy Number" its plain number, each told to readers as the calculator tells
// it.
void AttachCopyMenu(QLineEdit& result);

} // namespace planwindow
