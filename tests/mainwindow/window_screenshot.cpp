// SPDX-License-Identifier: MIT
// Pictures the main window on each of its tabs, and its About window, for the README:
//   window_screenshot FOLDER    writes FOLDER/main-window.png, main-window-help.png,
//                               main-window-tools.png and about-window.png
#include "about/frm_about.h"
#include "mainwindow/frm_main.h"
#include "widgets/design_palette.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
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
    widgets::design::UseDesignStyle();
    widgets::RegisterFontSubstitutes();
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    mainwindow::frmMain window;
    window.show();
    if (!Picture(window, folder.filePath(QStringLiteral("main-window.png"))))
        return 1;
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("ucTabMain"));
    for (const auto& [index, file] :
         {std::pair{1, "main-window-help.png"}, std::pair{2, "main-window-tools.png"}}) {
        tabs->setCurrentIndex(index);
        QTest::qWait(300); // the pages load from the event loop
        if (!window.grab().save(folder.filePath(QString::fromLatin1(file))))
            return 1;
    }
    tabs->setCurrentIndex(0);
    about::frmAbout about(&window);
    about.open();
    return Picture(about, folder.filePath(QStringLiteral("about-window.png"))) ? 0 : 1;
}
