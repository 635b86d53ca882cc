// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QString>

namespace mAPI {

// The right to be the one running instance of the program, held for as long as this object
// lives. A lock left behind by an instance that crashed or was killed does not count.
class SingleInstance {
public:
    // A lock in the user's runtime folder, shared by every instance the user starts.
    SingleInstance();
    explicit SingleInstance(const QString& lockFilePath);

    // False while another running instance holds the right. Never waits.
    bool acquire();

private:
    QLockFile lock_;
};

} // namespace mAPI
