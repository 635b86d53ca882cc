// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QWidget;

namespace app {

// A second start of the program opens no second window: it asks the running instance to show
// its own and ends. The request goes over a local socket beside the lock, which only the user
// can reach. Nothing else of the running instance changes.
class ShowRequests final : public QObject {
public:
    // Listens under name, a place only the instance holding the lock may use, for as long as
    // this object lives; every request brings the window forward.
    ShowRequests(const QString& name, QWidget& window);

    bool isListening() const { return server_.isListening(); }

    // From a second start: asks the instance listening under name to show its window, and
    // waits until it has (a second at most: a busy instance must not keep this one waiting).
    // Whether the request got there.
    static bool Ask(const QString& name);

private:
    void answer(QLocalSocket& caller);

    QLocalServer server_;
    QWidget& window_;
};

// Un-minimises the window, raises it and makes it the active one, or the dialog open over it
// if there is one, which would otherwise be left behind.
void BringForward(QWidget& window);

} // namespace app
