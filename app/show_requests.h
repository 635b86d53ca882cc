// SPDX-License-Identifier: MIT
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace app {

class SingleInstance;

// A second start of the program opens no second window: it asks the running instance to show
// its own and ends. The request is a line written to a file beside the lock, in the folder
// only the user can enter; the running instance watches the file (a watch costs the running
// program nothing, where a local socket would load a network library into every start).
// Nothing else of the running instance changes.
//
// A tidier of the temporary folder may take the file, the lock or their folder while the
// program runs, or move the folder away; the running instance makes them again as soon as it
// hears of it, or at the next look at the folder, so that a second start still finds it.
class ShowRequests final : public QObject {
public:
    // Makes the file at the instance's call name afresh, a place only the instance holding
    // the lock may use, and watches it for as long as this object lives; every request brings
    // the window forward. The file goes with this object.
    ShowRequests(SingleInstance& instance, QWidget& window);
    ~ShowRequests() override;

    bool isListening() const { return !watcher_.files().isEmpty(); }

    // From a second start: asks the instance watching path to show its window, and waits
    // until it has taken the request (a second at most: a busy instance must not keep this
    // one waiting). Whether the request was taken.
    static bool Ask(const QString& path);

private:
    void listen();
    void look();
    bool isWatching() const;
    void lookIfUnwatched();

    QFileSystemWatcher watcher_;
    // A folder moved away says nothing, and one taken while its watches are being set up
    // leaves none: a cheap look at the folder now and then catches both.
    QTimer lookAtFolder_;
    SingleInstance& instance_;
    QString path_;
    QWidget& window_;
};

// Un-minimises the window, raises it and makes it the active one, or the dialog open over it
// if there is one, which would otherwise be left behind.
void BringForward(QWidget& window);

} // namespace app
