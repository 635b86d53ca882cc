// SPDX-License-Identifier: MIT
#include "display_check.h"

#include <QtGlobal>

namespace mAPI {

QString MissingDisplayReason() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // A platform chosen by name (offscreen, vnc, eglfs, ...) needs no X or Wayland display,
    // and Qt reports its own problems with it.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {};
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return QStringLiteral("VarnelCalc needs a graphical desktop to show its window, but neither "
                          "DISPLAY nor WAYLAND_DISPLAY is set.");
#else
    return {};
#endif
}

} // namespace mAPI
