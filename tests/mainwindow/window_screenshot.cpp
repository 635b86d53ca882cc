// SPDX-License-Identifier: MIT
// Saves a picture of the main window as it opens, for the README: window_screenshot FILE.png
#include "fonts.h"
#include "frm_main.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_screenshot FILE.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    mAPI::RegisterFontSubstitutes();
    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
