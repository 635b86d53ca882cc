// SPDX-License-Identifier: MIT
#pragma once

class QMenu;
class QString;
class QWidget;

namespace widgets {

// The engine's plain number of a caption ("$1,095.00" gives "1095.00"), handed in by the
// caller: widgets know no figures.
using PlainNumberOf = QString (*)(const QString& caption);

// Adds "Copy" and "Copy Number" to menu, for the figure source shows (a label or a box: its
// text). Each reads the text when chosen, not when the menu opened, puts it on the clipboard as
// shown or as its plain number, and tells readers "Copied " and what went: nothing in window
// changes, so without the words a reader would stay silent. Nothing is copied once source is
// gone.
void AddCopyItems(QMenu& menu, QWidget& window, const QWidget& source, PlainNumberOf number);

} // namespace widgets
