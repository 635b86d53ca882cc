// SPDX-License-Identifier: MIT
#include "app/desktop_identity.h"

#include <QGuiApplication>

namespace app {

void SetDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryId));
    // Qt's X11 window class is the application's name; left unset it would follow the
    // program file's name, which a renamed copy changes.
    QGuiApplication::setApplicationName(QString::fromLatin1(kWindowClass));
}

} // namespace app
