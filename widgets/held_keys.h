// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

namespace widgets {

// A held key acts once: its repeats reach the program marked as repeats, and no shortcut acts
// on them, however the key events arrive. With a screen reader's accessibility bridge on, Qt
// hands every key to the reader first and delivers a copy of it later, and the copies of a
// held key's repeats come unmarked. For the application's whole life.
void MarkHeldKeyRepeats(QCoreApplication& application);

} // namespace widgets
