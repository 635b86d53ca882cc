// SPDX-License-Identifier: MIT
#include "app/lock_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {

#ifdef Q_OS_UNIX
namespace {

constexpr int kAttempts = 10;

// Linux shows each open folder as a link to it under /proc: a path into the folder itself,
// whatever now stands at the path it was opened by.
QString DescriptorPath(int descriptor) {
    return QStringLiteral("/proc/self/fd/%1").arg(descriptor);
}

bool IsFolder(const struct stat& status, unsigned long long device, unsigned long long inode) {
    return S_ISDIR(status.st_mode) && status.st_dev == device && status.st_ino == inode;
}

} // namespace
#endif

LockFolder::LockFolder(QString path) : path_(std::move(path)) {}

LockFolder::~LockFolder() {
#ifdef Q_OS_UNIX
    if (descriptor_ >= 0)
        close(descriptor_);
#endif
}

bool LockFolder::make() {
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(path_);
    int opened = -1;
    // A tidier at work may take the folder again between its making and its opening.
    for (int attempt = 0; attempt < kAttempts && opened < 0; ++attempt) {
        if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
            problem_ = QStringLiteral("cannot make the folder %1: %2")
                           .arg(path_, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        // Opened without following a link, and checked as opened: what is checked is what is
        // used.
        opened = open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (opened < 0 && errno != ENOENT)
            break;
    }
    struct stat status {};
    if (opened < 0 || fstat(opened, &status) != 0 || status.st_uid != getuid()) {
        if (opened >= 0)
            close(opened);
        problem_ = QStringLiteral("%1 is not a folder of this user's own").arg(path_);
        return false;
    }
    if ((status.st_mode & 077) != 0 && fchmod(opened, 0700) != 0) {
        close(opened);
        problem_ = QStringLiteral("cannot keep others out of %1").arg(path_);
        return false;
    }
    // A folder made again takes the number of the one it replaces, so that the places handed
    // out before lead into it.
    if (descriptor_ < 0) {
        descriptor_ = opened;
    } else {
        dup2(opened, descriptor_);
        fcntl(descriptor_, F_SETFD, FD_CLOEXEC); // the copy does not inherit it
        close(opened);
    }
    device_ = status.st_dev;
    inode_ = status.st_ino;
    struct stat reached {};
    reachedByDescriptor_ =
        stat(QFile::encodeName(DescriptorPath(descriptor_)).constData(), &reached) == 0 &&
        IsFolder(reached, device_, inode_);
    return true;
#else
    // The user's own temporary folder: nobody else can put anything in its place.
    if (!QDir().mkpath(path_)) {
        problem_ = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(path_));
        return false;
    }
    return true;
#endif
}

bool LockFolder::isInPlace() const {
#ifdef Q_OS_UNIX
    struct stat status {};
    return descriptor_ >= 0 && lstat(QFile::encodeName(path_).constData(), &status) == 0 &&
           IsFolder(status, device_, inode_);
#else
    return QFileInfo(path_).isDir();
#endif
}

bool LockFolder::reachesTheFolderHeld() const {
#ifdef Q_OS_UNIX
    if (reachedByDescriptor_)
        return true;
#endif
    return isInPlace();
}

QString LockFolder::place() const {
#ifdef Q_OS_UNIX
    if (reachedByDescriptor_)
        return DescriptorPath(descriptor_);
#endif
    return path_;
}

} // namespace app
