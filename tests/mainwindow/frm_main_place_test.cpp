// SPDX-License-Identifier: MIT
// Where the main window opens on a 1280 × 1024 screen, run once as it is and once with Qt
// scaling by 2 (a 640 × 512 screen in the window's pixels, smaller than the window).
#include "fonts.h"
#include "frm_main.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

class FrmMainPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mAPI::RegisterFontSubstitutes(); }

    void theTitleBarOpensOnTheScreen() {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        QVERIFY2(available.contains(frame.topLeft()),
                 qPrintable(QStringLiteral("frame at %1, %2").arg(frame.x()).arg(frame.y())));
        if (frame.width() <= available.width() && frame.height() <= available.height()) {
            // Centred on the screen, give or take the frame around the window.
            const QPoint offCentre = window.geometry().center() - available.center();
            QVERIFY(qAbs(offCentre.x()) <= frame.width() - window.width());
            QVERIFY(qAbs(offCentre.y()) <= frame.height() - window.height());
        }
    }
};

QTEST_MAIN(FrmMainPlaceTest)
#include "frm_main_place_test.moc"
