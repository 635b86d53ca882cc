// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace app {

// The right to be the one running instance of the program, held for as long as this object
// lives. Only a lock held by a live instance keeps a second start out: a lock left behind by
// an instance that crashed or was killed, and anything at the lock's place that is no lock
// (an empty or garbled file, an empty folder, a symbolic link), is taken over.
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
    // Never waits.
    Start acquire();

    // One line on why the lock could not be made.
    QString problem() const { return problem_; }

private:
    bool takeOverNonLock();

    QString path_;
    QString problem_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace app
