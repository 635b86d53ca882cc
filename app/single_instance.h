// SPDX-License-Identifier: MIT
#pragma once

#include "app/lock_folder.h"

#include <QLockFile>
#include <QString>
#include <memory>

namespace app {

// The right to be the one running instance of the program, held for as long as this object
// lives. Only a lock held by a live instance keeps a second start out: a lock left behind by
// an instance that crashed or was killed, and anything at the lock's place that is no lock
// (an empty, garbled or huge file, an empty folder, a symbolic link, a named pipe or a
// socket), is taken over.
class SingleInstance {
public:
    // The user's own lock, in a folder of the temporary folder that only the user may
    // enter: "VarnelCalc-<user id>". Every instance the user starts meets it there, inside
    // a desktop session or not.
    SingleInstance();
    explicit SingleInstance(const QString& lockFilePath);
    ~SingleInstance();

    enum class Start {
        Alone,          // this instance holds the lock
        AlreadyRunning, // a live instance holds it
        Unguarded,      // no lock can be made here: problem() says why
    };
    // Never waits, and reads no more of what it finds than a lock holds.
    Start acquire();

    enum class Kept {
        InPlace, // the lock is held in the folder that held it before
        Remade,  // held in a folder made again: whatever watched the old one watches nothing
        Lost,    // not held: somebody else's lock is in its place, or no folder can be made
    };
    // While this instance holds the lock: makes the lock and its folder again where they
    // have gone (a tidier of the temporary folder takes whatever is old there, or moves it
    // away), so that the next start still finds this instance. Where the folder cannot be made
    // again, says so once on stderr; the instance runs on.
    Kept keep();

    // Whether the folder holding the lock is still at its path; costs one look at the path.
    bool hasItsFolder() const { return folder_.isInPlace(); }

    // One line on why the lock could not be made.
    QString problem() const { return problem_; }

    // Where the instance holding the lock listens for a second start: beside the lock, reached
    // through the folder held. Empty where there is no place for a lock.
    QString callName() const;

private:
    // The folder, or no folder and the reason for that.
    struct FolderOrProblem {
        QString folder;
        QString problem;
    };
    SingleInstance(const FolderOrProblem& found, const QString& lockName);

    QString lockPlace() const;
    bool relock();
    void clearWhatCannotBeALock();
    bool takeOverNonLock();

    // The folder goes after the lock, which lets go through it.
    LockFolder folder_;
    QString lockName_;
    QString problem_;
    std::unique_ptr<QLockFile> lock_;
    bool holder_ = false;
    bool saidFolderLost_ = false;
};

} // namespace app
