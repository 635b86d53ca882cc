// SPDX-License-Identifier: MIT
#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/display_check.h"
#include "widgets/design_palette.h"
#ifdef Q_OS_UNIX
#include "app/ending_signals.h"
#endif
#include "app/show_requests.h"
#include "app/single_instance.h"
#include "app/startup_notification.h"
#include "app/startup_remarks.h"
#include "mainwindow/frm_main.h"
#include "widgets/fonts.h"
#include "widgets/held_keys.h"

#include <QApplication>
#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    // --help and --version answer on stdout and end, with or without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answer = app::CommandLineAnswer(arguments)) {
        const bool written =
            std::fputs(qPrintable(*answer), stdout) >= 0 && std::fflush(stdout) == 0;
        return written ? 0 : 1;
    }
    if (const QString reason = app::MissingDisplayReason(); !reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return 1;
    }
    const app::StartupRemarks startupRemarks;
    // Qt takes it from the environment as it opens the display.
    const QByteArray startupId = qgetenv("DESKTOP_STARTUP_ID");
    // The window reads nothing else from its command line: Qt gets the program's name alone.
    int qtArgc = 1;
    app::DisplayFailureGuard displayFailure;
    QApplication application(qtArgc, argv);
    displayFailure.disarm();
    app::SetDesktopIdentity();
    widgets::design::UseDesignStyle();
    widgets::MarkHeldKeyRepeats(application);

    // A second start shows the running instance's window, ends its own startup notification
    // and ends quietly. Where no lock can be made at all, the program runs all the same and
    // says why.
    app::SingleInstance instance;
    const app::SingleInstance::Start start = instance.acquire();
    switch (start) {
    case app::SingleInstance::Start::AlreadyRunning: {
        const bool shown = app::ShowRequests::Ask(instance.callName());
        app::EndStartupNotification(startupId);
        if (shown)
            return 0;
        std::fprintf(stderr, "VarnelCalc is open already, but its window could not be brought "
                             "forward.\n");
        return 1;
    }
    case app::SingleInstance::Start::Unguarded:
        std::fprintf(stderr, "VarnelCalc starts without its one-instance check: %s.\n",
                     qPrintable(instance.problem()));
        break;
    case app::SingleInstance::Start::Alone:
        break;
    }

#ifdef Q_OS_UNIX
    const app::EndingSignals endingSignals;
#endif
    widgets::RegisterFontSubstitutes();
    mainwindow::frmMain window;
    window.show();
    std::optional<app::ShowRequests> showRequests;
    if (start == app::SingleInstance::Start::Alone)
        showRequests.emplace(instance, window);
    return QApplication::exec();
}
