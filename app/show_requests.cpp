// SPDX-License-Identifier: MIT
#include "show_requests.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QWidget>

namespace app {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kWaitMs = 1000;

} // namespace

ShowRequests::ShowRequests(const QString& name, QWidget& window) : window_(window) {
    if (name.isEmpty())
        return;
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by an instance that crashed would refuse the name; the lock held
    // by this instance says that no live one uses it.
    QLocalServer::removeServer(name);
    server_.listen(name);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] { answer(*caller); });
            answer(*caller);
        }
    });
}

void ShowRequests::answer(QLocalSocket& caller) {
    if (caller.bytesAvailable() < kShowRequest.size())
        return;
    // Only the request is read, whatever else a caller sends.
    if (caller.read(kShowRequest.size()) == kShowRequest)
        BringForward(window_);
    caller.disconnectFromServer();
}

bool ShowRequests::Ask(const QString& name) {
    if (name.isEmpty())
        return false;
    const QDeadlineTimer deadline(kWaitMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(deadline.remainingTime()))
        return false;
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(deadline.remainingTime()))
        return false;
    // The running instance hangs up once its window is in front.
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(deadline.remainingTime());
}

void BringForward(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    QWidget& front =
        QApplication::activeModalWidget() ? *QApplication::activeModalWidget() : window;
    front.raise();
    front.activateWindow();
}

} // namespace app
