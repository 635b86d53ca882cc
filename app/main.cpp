// SPDX-License-Identifier: MIT
#include "command_line.h"
#include "design_palette.h"
#include "desktop_identity.h"
#include "display_check.h"
#include "fonts.h"
#include "frm_main.h"
#include "runtime_folder_remark.h"
#include "single_instance.h"

#include <QApplication>
#include <cstdio>

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
    const app::RuntimeFolderRemarkFilter quietConsole;
    // The window reads nothing else from its command line: Qt gets the program's name alone.
    int qtArgc = 1;
    app::DisplayFailureGuard displayFailure;
    QApplication application(qtArgc, argv);
    displayFailure.disarm();
    application::SetDesktopIdentity();
    design::UseDesignStyle();

    // A second start ends quietly and leaves the running instance as it is. Where no lock
    // can be made at all, the program runs all the same and says why.
    app::SingleInstance instance;
    switch (instance.acquire()) {
    case app::SingleInstance::Start::AlreadyRunning:
        return 0;
    case app::SingleInstance::Start::Unguarded:
        std::fprintf(stderr, "VarnelCalc starts without its one-instance check: %s.\n",
                     qPrintable(instance.problem()));
        break;
    case app::SingleInstance::Start::Alone:
        break;
    }

    widgets::RegisterFontSubstitutes();
    frmMain window;
    window.show();
    return QApplication::exec();
}
