// SPDX-License-Identifier: MIT
#pragma once

class QMessageBox;
class QString;

namespace desktop {

// How wide a window must be for the window manager to show its whole title: the title in
// the desktop's title-bar font, in bold as title bars draw it, and room beside it for the
// window's icon and its buttons.
int TitleBarWidth(const QString& title);

// Widens a message box, which Qt sizes to its text alone, to TitleBarWidth of its title.
void MakeRoomForTitle(QMessageBox& box);

} // namespace desktop
