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

    void aWindowOpensBesideAnotherWhereTheScreenHasRoom_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("beside");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QPoint>("besidePlace");
        // The Plan window beside the main window's frame.
        QTest::newRow("just room on the right: right of it, tops level")
            << QSize(624, 597) << QRect(0, 40, 656, 540) << QRect(0, 0, 1280, 1024)
            << QPoint(656, 40) << QPoint(0, 40);
        QTest::newRow("a pixel short on the right: left of it, beside a panel")
            << QSize(682, 597) << QRect(730, 40, 656, 540) << QRect(48, 0, 1350, 1080)
            << QPoint(48, 40) << QPoint(730, 40);
        QTest::newRow("short on both sides, room for both: the other moves over")
            << QSize(682, 597) << QRect(681, 40, 656, 540) << QRect(0, 0, 2018, 1080)
            << QPoint(1336, 40) << QPoint(680, 40);
        QTest::newRow("no room for both: centred, the other stays")
            << QSize(734, 597) << QRect(312, 257, 656, 540) << QRect(0, 0, 1280, 1024)
            << QPoint(273, 213) << QPoint(312, 257);
        QTest::newRow("low on the screen: moved up to show the bottom")
            << QSize(682, 597) << QRect(0, 600, 656, 540) << QRect(0, 0, 1920, 1080)
            << QPoint(656, 483) << QPoint(0, 600);
        QTest::newRow("taller than the screen: at the top")
            << QSize(682, 1100) << QRect(0, 40, 656, 540) << QRect(0, 20, 1920, 1060)
            << QPoint(656, 20) << QPoint(0, 40);
    }

    void aWindowOpensBesideAnotherWhereTheScreenHasRoom() {
        QFETCH(QSize, window);
        QFETCH(QRect, beside);
        QFETCH(QRect, available);
        QFETCH(QPoint, place);
        QFETCH(QPoint, besidePlace);
        const desktop::BesidePlaces places = desktop::BesidePlace(window, beside, available);
        QCOMPARE(places.window, place);
        QCOMPARE(places.beside, besidePlace);
    }
};

QTEST_GUILESS_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
