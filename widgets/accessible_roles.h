// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

class QWidget;

// What screen readers are told about widgets whose kind Qt cannot guess from their class: a
// plain QWidget that is really a window or a page, a frame that groups a column.
namespace widgets {

// Shows widget in role, under its accessibleName (a window without one: under its title).
// Call it before the window is shown.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

// Forgets the interface Qt made for widget, so that the next one is made afresh.
void DropCachedInterface(QWidget& widget);

} // namespace widgets
