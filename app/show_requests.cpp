// SPDX-License-Identifier: MIT
#include "app/show_requests.h"

#include "app/single_instance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QWidget>

namespace app {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kWaitMs = 1000;
constexpr int kLookEveryMs = 10;
constexpr int kLookAtFolderEveryMs = 2000;

// Only a regular file is opened: a named pipe put in its place would keep the open waiting.
bool IsPlainFile(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && !file.isSymLink();
}

qint64 SizeOf(const QString& path) {
    return QFileInfo(path).size();
}

} // namespace

ShowRequests::ShowRequests(SingleInstance& instance, QWidget& window)
    : instance_(instance), path_(instance.callName()), window_(window) {
    if (path_.isEmpty())
        return;
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ShowRequests::look);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &ShowRequests::look);
    listen();
    connect(&lookAtFolder_, &QTimer::timeout, this, &ShowRequests::lookIfUnwatched);
    lookAtFolder_.start(kLookAtFolderEveryMs);
}

ShowRequests::~ShowRequests() {
    if (isListening())
        QFile::remove(path_);
}

void ShowRequests::listen() {
    // Whatever a crashed instance or anybody else left at this place goes; the lock held by
    // this instance says that no live one uses it.
    QFile::remove(path_);
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    file.close();
    if (!watcher_.addPath(path_)) {
        // No request would be heard: none is asked for, and the folder is let be.
        QFile::remove(path_);
        watcher_.removePaths(watcher_.directories());
        return;
    }
#ifndef Q_OS_WIN
    // Only the folder hears of the lock going. Windows removes no file that a process holds
    // open, so there the lock stays, and the folder is the temporary folder, busy with every
    // program's files.
    const QString folder = QFileInfo(path_).path();
    if (!watcher_.directories().contains(folder))
        watcher_.addPath(folder);
#endif
}

bool ShowRequests::isWatching() const {
#ifdef Q_OS_WIN
    return watcher_.files().contains(path_);
#else
    return watcher_.files().contains(path_) && !watcher_.directories().isEmpty();
#endif
}

void ShowRequests::lookIfUnwatched() {
    if (!isWatching() || !instance_.hasItsFolder())
        look();
}

void ShowRequests::look() {
    if (instance_.keep() == SingleInstance::Kept::Remade) {
        // The watches stayed with the folder that went: the new one gets its own.
        const QStringList watched = watcher_.files() + watcher_.directories();
        if (!watched.isEmpty())
            watcher_.removePaths(watched);
        listen();
        return;
    }
    // Nothing is made through whatever stands at the folder's path now.
    if (!instance_.hasItsFolder())
        return;
    // A file taken away, or another put in its place, is no longer watched. Another plain
    // file is watched in its stead, not made anew: a second start may be writing to it now,
    // and its request would go with the file.
    if (!watcher_.files().contains(path_)) {
        if (!IsPlainFile(path_)) {
            listen();
            return;
        }
        watcher_.addPath(path_);
    }
    if (!IsPlainFile(path_) || SizeOf(path_) == 0)
        return;
    // Whatever was written is taken as one request, and the file emptied to say so.
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Truncate))
        file.close();
    BringForward(window_);
}

bool ShowRequests::Ask(const QString& path) {
    if (path.isEmpty() || !IsPlainFile(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly) ||
        file.write(kShowRequest) != kShowRequest.size() || !file.flush())
        return false;
    file.close();
    // The running instance empties the file once its window is in front.
    const QDeadlineTimer deadline(kWaitMs);
    while (SizeOf(path) != 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kLookEveryMs);
    }
    return true;
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
