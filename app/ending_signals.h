// SPDX-License-Identifier: MIT
#pragma once

#include <QSocketNotifier>
#include <memory>

namespace app {

// SIGTERM (the system shutting down or the session ending), SIGHUP (the terminal or the
// session gone) and SIGINT (Ctrl+C in the terminal that started the program) end the
// program as Quit does, for as long as this object lives: the event loop returns, and the
// lock and the request file go with the objects that hold them. Left to their default, the
// signals would end the program where it stands and leave both behind. A signal that was
// ignored when the program started (SIGHUP under nohup) stays ignored.
class EndingSignals {
public:
    EndingSignals();
    ~EndingSignals();
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace app
