// SPDX-License-Identifier: MIT
// Pictures the main window as it opens, and its About window, for the README:
//   window_screenshot FOLDER    writes FOLDER/main-window.png and FOLDER/about-window.png
#include "fonts.h"
#include "frm_about.h"
#include "frm_main.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

namespace {

bool Picture(QWidget& window, const QString& file) {
    return QTest::qWaitForWindowExposed(&window) && window.grab().save(file);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_screenshot FOLDER\n");
        return 2;
    }
    QApplication application(argc, argv);
    mAPI::RegisterFontSubstitutes();
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    frmMain window;
    window.show();
    if (!Picture(window, folder.filePath(QStringLiteral("main-window.png"))))
        return 1;
    frmAbout about(&window);
    about.open();
    return Picture(about, folder.filePath(QStringLiteral("about-window.png"))) ? 0 : 1;
}
