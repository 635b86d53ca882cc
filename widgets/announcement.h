// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace widgets {

// Tells screen readers in a few words what an action did where nothing under the focus
// changes ("Figures reset", "All figures copied"). Readers speak it at once, wherever the
// focus is; the screen shows nothing. The words go through a notification of window's own.
void Announce(QWidget& window, const QString& words);

} // namespace widgets
