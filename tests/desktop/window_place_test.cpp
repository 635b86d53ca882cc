// SPDX-License-Identifier: MIT
#include "desktop/window_place.h"

#include <QTest>

class WindowPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void aWindowOpensCentredWithItsTitleBarOnTheScreen_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("place");
        // The main window, 656 × 510 with its frame left aside.
        QTest::newRow("fits: centred")
            << QSize(656, 510) << QRect(0, 0, 1280, 1024) << QPoint(312, 257);
        QTest::newRow("fits beside a panel: centred on what is left")
            << QSize(656, 510) << QRect(48, 30, 1232, 994) << QPoint(336, 272);
        QTest::newRow("exactly as large: at the corner")
            << QSize(640, 512) << QRect(0, 0, 640, 512) << QPoint(0, 0);
        QTest::newRow("too wide and too tall, scale factor 2 on 1280 × 1024")
            << QSize(656, 510 + 30) << QRect(0, 0, 640, 512) << QPoint(0, 0);
        QTest::newRow("too wide only: left edge, centred top to bottom")
            << QSize(700, 300) << QRect(0, 0, 640, 512) << QPoint(0, 106);
        QTest::newRow("too tall only: top edge, centred left to right")
            << QSize(300, 600) << QRect(0, 0, 640, 512) << QPoint(170, 0);
        QTest::newRow("too large beside a top panel: below the panel")
            << QSize(700, 600) << QRect(0, 28, 640, 484) << QPoint(0, 28);
        QTest::newRow("second screen to the right")
            << QSize(700, 600) << QRect(1280, 0, 640, 512) << QPoint(1280, 0);
    }

    void aWindowOpensCentredWithItsTitleBarOnTheScreen() {
        QFETCH(QSize, window);
        QFETCH(QRect, available);
        QFETCH(QPoint, place);
        QCOMPARE(desktop::CentredPlace(window, available), place);
    }
};

QTEST_GUILESS_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
