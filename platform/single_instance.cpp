// SPDX-License-Identifier: MIT
#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace mAPI {
namespace {

QString DefaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/VarnelCalc.lock");
}

} // namespace

SingleInstance::SingleInstance() : SingleInstance(DefaultLockFilePath()) {}

SingleInstance::SingleInstance(const QString& lockFilePath) : lock_(lockFilePath) {
    // By default a lock older than 30 seconds counts as stale even while its owner runs.
    // With 0, only a dead owner makes it stale: QLockFile then checks the process id (and
    // the program name, in case the id has been reused), which is what a crash leaves.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_.tryLock(0);
}

} // namespace mAPI
