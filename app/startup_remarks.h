// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

namespace app {

// Qt says a few things on the console while the program starts, in its own words and with the
// name of the part of Qt that speaks in front: that it found no runtime folder named for it
// and made a private one (which suits the program), that the runtime folder named is unfit
// (the program does not need one), that its Wayland support is not installed (the program then
// shows its window through X). While an object of this class lives, the first is kept off the
// user's console and the others are said in one line of the program's own. Every other message
// passes as before.
class StartupRemarks {
public:
    StartupRemarks();
    ~StartupRemarks();
    StartupRemarks(const StartupRemarks&) = delete;
    StartupRemarks& operator=(const StartupRemarks&) = delete;

    // The line the program says instead of Qt's message: empty to say nothing, no value for
    // a message it leaves to Qt.
    static std::optional<QString> InProgramWords(const char* category, const QString& message);
};

} // namespace app
