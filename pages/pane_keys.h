// SPDX-License-Identifier: MIT
#pragma once

class QKeyEvent;

namespace pages {

// What a key does in a web pane, as in a browser page. Tab and Shift+Tab are not keys of the
// pane: they move the focus, from link to link and on to the window's next control.
enum class PaneKey {
    None,
    Activate,  // Enter on a focused link; not its repeats while held down
    SelectAll, // Ctrl+A
    Copy,      // Ctrl+C, Ctrl+Insert
    LineUp,
    LineDown,
    Left,
    Right,
    PageUp,   // also Shift+Space
    PageDown, // also Space
    Top,      // Home, Ctrl+Home
    Bottom,   // End, Ctrl+End
};

PaneKey PaneKeyFor(const QKeyEvent& key);

} // namespace pages
