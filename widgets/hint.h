// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <chrono>

class QWidget;

namespace widgets {

// Shows text under the control in a note of the tooltip's look, drawn inside the control's
// window. The note takes no click: a click reaches whatever lies under it and puts the note
// away, as do the next key, the window going inactive and the end of its time. A window
// holds one note; showing another replaces it.
void ShowHint(QWidget& control, const QString& text, std::chrono::milliseconds shown);

// The note shown in the window, or none.
QWidget* HintOf(const QWidget& window);

} // namespace widgets
