// SPDX-License-Identifier: MIT
#include "app/display_check.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace app {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

bool armed = false;
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void WatchForDisplayFailure(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(UnreachableDisplayReason()));
        std::fflush(stderr);
        // Qt is half started: nothing may run on the way out.
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category, message});
}

} // namespace

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

QString UnreachableDisplayReason() {
    // A platform chosen by name that is neither X nor Wayland: the display is not the problem.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) &&
        !platform.startsWith(QLatin1String("wayland")))
        return QStringLiteral("VarnelCalc could not start the display platform \"%1\" named by "
                              "QT_QPA_PLATFORM to show its window.")
            .arg(platform);
    QStringList displays;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        displays << QStringLiteral("the Wayland display \"%1\"")
                        .arg(qEnvironmentVariable("WAYLAND_DISPLAY"));
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        displays << QStringLiteral("the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY"));
    if (displays.isEmpty())
        return QStringLiteral("VarnelCalc could not open a display to show its window.");
    return QStringLiteral("VarnelCalc could not open %1 to show its window.")
        .arg(displays.join(QStringLiteral(" or ")));
}

DisplayFailureGuard::DisplayFailureGuard() {
    armed = true;
    previousHandler = qInstallMessageHandler(WatchForDisplayFailure);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    disarm();
}

void DisplayFailureGuard::disarm() {
    if (!armed)
        return;
    armed = false;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
}

} // namespace app
