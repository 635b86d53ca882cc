// SPDX-License-Identifier: MIT
#include "app/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {
namespace {

// Makes the folder for the lock where it is not there yet. On Windows the temporary folder
// is the user's own already; elsewhere it is shared by every user, so the lock goes into a
// folder only this user may enter, one that no one else can have made or replaced by a link
// beforehand. The folder, or an empty text with the problem filled in.
QString PrivateFolder(const QString& folder, QString& problem) {
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        problem = QStringLiteral("cannot make the folder %1: %2")
                      .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    struct stat status {};
    if (lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != getuid()) {
        problem = QStringLiteral("%1 is not a folder of this user's own").arg(folder);
        return {};
    }
    if ((status.st_mode & 077) != 0 && chmod(path.constData(), 0700) != 0) {
        problem = QStringLiteral("cannot keep others out of %1").arg(folder);
        return {};
    }
    return folder;
#else
    if (!QDir().mkpath(folder)) {
        problem = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    return folder;
#endif
}

// The folder for the lock, or an empty text with the problem filled in.
QString UserLockFolder(QString& problem) {
    const QString temporary = QDir::tempPath();
    if (temporary.isEmpty()) {
        // Qt's answer when TMPDIR names a folder that is not there.
        problem = QStringLiteral("there is no temporary folder (TMPDIR is %1)")
                      .arg(qEnvironmentVariable("TMPDIR"));
        return {};
    }
#ifdef Q_OS_UNIX
    return PrivateFolder(temporary + QStringLiteral("/VarnelCalc-%1").arg(getuid()), problem);
#else
    return temporary;
#endif
}

QString DefaultLockFilePath(QString& problem) {
    const QString folder = UserLockFolder(problem);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/VarnelCalc.lock");
}

std::unique_ptr<QLockFile> LockAt(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // By default a lock older than 30 seconds counts as stale even while its owner runs.
    // With 0, only a dead owner makes it stale: QLockFile then checks the process id (and
    // the program name, in case the id has been reused), which is what a crash leaves.
    lock->setStaleLockTime(0);
    return lock;
}

// A lock holds a process id, a program name, a host name and a machine id, one a line: a
// file larger than this was never one.
constexpr qint64 kLargestLock = 4096;

QString Describe(QLockFile::LockError error) {
    switch (error) {
    case QLockFile::PermissionError:
        return QStringLiteral("permission denied");
    case QLockFile::LockFailedError:
        return QStringLiteral("something else is in its place");
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("it cannot be written");
}

} // namespace

SingleInstance::SingleInstance() {
    path_ = DefaultLockFilePath(problem_);
    if (!path_.isEmpty())
        lock_ = LockAt(path_);
}

SingleInstance::SingleInstance(const QString& lockFilePath)
    : path_(lockFilePath), lock_(LockAt(lockFilePath)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::acquire() {
    if (!lock_)
        return Start::Unguarded;
    clearWhatCannotBeALock();
    if (lock_->tryLock(0))
        return Start::Alone;
    if (lock_->error() == QLockFile::LockFailedError) {
        // QLockFile has found the owner alive, or has found no lock it can read.
        qint64 pid = 0;
        QString host;
        QString program;
        if (lock_->getLockInfo(&pid, &host, &program) &&
            (host.isEmpty() || host == QSysInfo::machineHostName()))
            return Start::AlreadyRunning;
        if (takeOverNonLock() && lock_->tryLock(0))
            return Start::Alone;
#ifdef Q_OS_WIN
        // Windows removes no file that a process holds open, and a running instance holds
        // its lock open: a lock that could be neither read nor taken over is a live one.
        if (QFileInfo::exists(path_))
            return Start::AlreadyRunning;
#endif
    }
    problem_ = QStringLiteral("cannot make the lock file %1: %2")
                   .arg(QDir::toNativeSeparators(path_), Describe(lock_->error()));
    return Start::Unguarded;
}

bool SingleInstance::keep() {
    if (!lock_ || !lock_->isLocked())
        return false;
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock_->getLockInfo(&pid, &host, &program) && pid == QCoreApplication::applicationPid())
        return true;
    const QFileInfo place(path_);
    // Anything else at the lock's place is somebody else's now.
    if (place.exists() || place.isSymLink() || PrivateFolder(place.path(), problem_).isEmpty())
        return false;
    // Qt removes its lock file as it lets the lock go, and complains where the file is gone:
    // an empty one stands in for it.
    QFile standIn(path_);
    if (!standIn.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    standIn.close();
    lock_->unlock();
    return lock_->tryLock(0);
}

QString SingleInstance::callName() const {
    if (path_.isEmpty())
        return {};
    const QFileInfo lock(path_);
    return lock.dir().filePath(lock.completeBaseName() + QStringLiteral(".show"));
}

// QLockFile reads what it finds in full, up to a line break, and would wait on a named pipe
// for a writer that never comes.
void SingleInstance::clearWhatCannotBeALock() {
    const QFileInfo place(path_);
    // A link is never followed: whatever it points at is not ours to write.
    if (place.isSymLink() || (place.exists() && (!place.isFile() || place.size() > kLargestLock)))
        takeOverNonLock();
}

bool SingleInstance::takeOverNonLock() {
    const QFileInfo place(path_);
    if (place.isDir() && !place.isSymLink())
        return QDir().rmdir(path_);
    return QFile::remove(path_);
}

} // namespace app
