// SPDX-License-Identifier: MIT
#pragma once

namespace app {

// Started outside a desktop session (from a terminal on a bare X server, say), Qt finds no
// runtime folder named for it, makes a private one of its own, which suits the program,
// and says so on the console at start-up. That remark is meant for developers; while an
// object of this class lives, it is kept off the user's console. Every other message
// passes as before.
class RuntimeFolderRemarkFilter {
public:
    RuntimeFolderRemarkFilter();
    ~RuntimeFolderRemarkFilter();
    RuntimeFolderRemarkFilter(const RuntimeFolderRemarkFilter&) = delete;
    RuntimeFolderRemarkFilter& operator=(const RuntimeFolderRemarkFilter&) = delete;
};

} // namespace app
