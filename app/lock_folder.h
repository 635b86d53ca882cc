// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace app {

// The folder that holds the lock and the request file, held for as long as this object lives.
// On Unix it is a folder of the shared temporary folder that only the user may enter: one owned
// by someone else, or a link in its place, is never used. A tidier of the temporary folder may
// take it or move it away while the program runs; it is then made again, with the same checks.
class LockFolder {
public:
    explicit LockFolder(QString path);
    ~LockFolder();
    LockFolder(const LockFolder&) = delete;
    LockFolder& operator=(const LockFolder&) = delete;

    // Makes the folder where nothing is at its path, and holds the one found there. Whether it
    // is held: problem() says why not.
    bool make();

    // Whether the folder at the path is still the one held: not taken, moved or replaced.
    bool isInPlace() const;

    // Where the files of the held folder are reached. Where the system offers a way to a folder
    // by what is held of it, that way, so that nothing put at the path since is ever followed;
    // elsewhere the path.
    QString place() const;

    // Whether place() still leads into the folder held.
    bool reachesTheFolderHeld() const;

    QString path() const { return path_; }
    QString problem() const { return problem_; }

private:
    QString path_;
    QString problem_;
#ifdef Q_OS_UNIX
    int descriptor_ = -1;
    bool reachedByDescriptor_ = false;
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
#endif
};

} // namespace app
