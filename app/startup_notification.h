// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace app {

// A launcher that starts the program with startup notification, as its desktop entry asks,
// shows the start as busy until the program says it has started. Qt says so as the first
// window shows; a second start shows none, and says so here instead.
//
// Ends the startup notification that id (DESKTOP_STARTUP_ID as the program received it,
// before Qt takes it from the environment) names, on an X11 display; elsewhere, or without
// an id, does nothing.
void EndStartupNotification(const QByteArray& id);

} // namespace app
