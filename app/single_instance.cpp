// SPDX-License-Identifier: MIT
#include "app/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace app {
namespace {

// On Windows the temporary folder is the user's own already; elsewhere it is shared by every
// user, so the lock goes into a folder of its own that only this user may enter.
QString UserLockFolder(QString& problem) {
    const QString temporary = QDir::tempPath();
    if (temporary.isEmpty()) {
        // Qt's answer when TMPDIR names a folder that is not there.
        problem = QStringLiteral("there is no temporary folder (TMPDIR is %1)")
                      .arg(qEnvironmentVariable("TMPDIR"));
        return {};
    }
#ifdef Q_OS_UNIX
    return temporary + QStringLiteral("/VarnelCalc-%1").arg(getuid());
#else
    return temporary;
#endif
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

// Qt removes its lock file as it lets the lock go, and complains on stderr where the file is
// gone: a tidier of the temporary folder may have taken it, which is no news to the user.
void LetGoQuietly(QLockFile& lock) {
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    lock.unlock();
    qInstallMessageHandler(previous);
}

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

SingleInstance::SingleInstance()
    : SingleInstance(
          [] {
              FolderOrProblem found;
              found.folder = UserLockFolder(found.problem);
              return found;
          }(),
          QStringLiteral("VarnelCalc.lock")) {}

SingleInstance::SingleInstance(const QString& lockFilePath)
    : SingleInstance({QFileInfo(lockFilePath).path(), {}}, QFileInfo(lockFilePath).fileName()) {}

SingleInstance::SingleInstance(const FolderOrProblem& found, const QString& lockName)
    : folder_(found.folder), lockName_(lockName), problem_(found.problem) {
    if (found.folder.isEmpty())
        return;
    if (!folder_.make()) {
        problem_ = folder_.problem();
        return;
    }
    lock_ = LockAt(lockPlace());
}

SingleInstance::~SingleInstance() {
    if (lock_)
        LetGoQuietly(*lock_);
}

SingleInstance::Start SingleInstance::acquire() {
    if (!lock_)
        return Start::Unguarded;
    clearWhatCannotBeALock();
    if (lock_->tryLock(0)) {
        holder_ = true;
        return Start::Alone;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
        // QLockFile has found the owner alive, or has found no lock it can read.
        qint64 pid = 0;
        QString host;
        QString program;
        if (lock_->getLockInfo(&pid, &host, &program) &&
            (host.isEmpty() || host == QSysInfo::machineHostName()))
            return Start::AlreadyRunning;
        if (takeOverNonLock() && lock_->tryLock(0)) {
            holder_ = true;
            return Start::Alone;
        }
#ifdef Q_OS_WIN
        // Windows removes no file that a process holds open, and a running instance holds
        // its lock open: a lock that could be neither read nor taken over is a live one.
        if (QFileInfo::exists(lockPlace()))
            return Start::AlreadyRunning;
#endif
    }
    problem_ = QStringLiteral("cannot make the lock file %1: %2")
                   .arg(QDir::toNativeSeparators(QDir(folder_.path()).filePath(lockName_)),
                        Describe(lock_->error()));
    return Start::Unguarded;
}

SingleInstance::Kept SingleInstance::keep() {
    if (!holder_)
        return Kept::Lost;
    if (folder_.isInPlace())
        return relock() ? Kept::InPlace : Kept::Lost;
    // A folder moved away takes this instance's lock along: it goes, through the folder held.
    if (lock_->isLocked() && folder_.reachesTheFolderHeld() && QFileInfo::exists(lockPlace()))
        lock_->unlock();
    if (!folder_.make()) {
        if (!saidFolderLost_)
            std::fprintf(stderr, "VarnelCalc runs on, but cannot keep its one-instance lock: %s.\n",
                         qPrintable(folder_.problem()));
        saidFolderLost_ = true;
        return Kept::Lost;
    }
    return relock() ? Kept::Remade : Kept::Lost;
}

bool SingleInstance::relock() {
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock_->isLocked() && lock_->getLockInfo(&pid, &host, &program) &&
        pid == QCoreApplication::applicationPid())
        return true;
    // Anything else at the lock's place is somebody else's now.
    const QFileInfo place(lockPlace());
    if (place.exists() || place.isSymLink())
        return false;
    LetGoQuietly(*lock_);
    return lock_->tryLock(0);
}

QString SingleInstance::lockPlace() const {
    return folder_.place() + u'/' + lockName_;
}

QString SingleInstance::callName() const {
    if (!lock_)
        return {};
    return folder_.place() + u'/' + QFileInfo(lockName_).completeBaseName() +
           QStringLiteral(".show");
}

// QLockFile reads what it finds in full, up to a line break, and would wait on a named pipe
// for a writer that never comes.
void SingleInstance::clearWhatCannotBeALock() {
    const QFileInfo place(lockPlace());
    // A link is never followed: whatever it points at is not ours to write.
    if (place.isSymLink() || (place.exists() && (!place.isFile() || place.size() > kLargestLock)))
        takeOverNonLock();
}

bool SingleInstance::takeOverNonLock() {
    const QFileInfo place(lockPlace());
    if (place.isDir() && !place.isSymLink())
        return QDir().rmdir(lockPlace());
    return QFile::remove(lockPlace());
}

} // namespace app
