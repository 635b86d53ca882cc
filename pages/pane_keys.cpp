// SPDX-License-Identifier: MIT
#include "pages/pane_keys.h"

#include <QKeyEvent>

namespace pages {

PaneKey PaneKeyFor(const QKeyEvent& key) {
    if (key.matches(QKeySequence::SelectAll))
        return PaneKey::SelectAll;
    if (key.matches(QKeySequence::Copy))
        return PaneKey::Copy;
    // The keypad's keys count as the main ones; Shift only matters to Space.
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ControlModifier && !shift)
        return PaneKey::None;
    const bool plain = modifiers == Qt::NoModifier;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return plain && !key.isAutoRepeat() ? PaneKey::Activate : PaneKey::None;
    case Qt::Key_Space:
        if (shift)
            return PaneKey::PageUp;
        return plain ? PaneKey::PageDown : PaneKey::None;
    case Qt::Key_Up:
        return plain ? PaneKey::LineUp : PaneKey::None;
    case Qt::Key_Down:
        return plain ? PaneKey::LineDown : PaneKey::None;
    case Qt::Key_Left:
        return plain ? PaneKey::Left : PaneKey::None;
    case Qt::Key_Right:
        return plain ? PaneKey::Right : PaneKey::None;
    case Qt::Key_PageUp:
        return plain ? PaneKey::PageUp : PaneKey::None;
    case Qt::Key_PageDown:
        return plain ? PaneKey::PageDown : PaneKey::None;
    case Qt::Key_Home:
        return shift ? PaneKey::None : PaneKey::Top;
    case Qt::Key_End:
        return shift ? PaneKey::None : PaneKey::Bottom;
    default:
        return PaneKey::None;
    }
}

} // namespace pages
