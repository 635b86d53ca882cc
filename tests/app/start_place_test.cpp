// SPDX-License-Identifier: MIT
// Where the real program's window asks to stand on a 1280 × 1024 X screen (xvfb-run's), at
// its own size and scaled by 2, when it no longer fits: always with the corner of its frame,
// where the title bar begins, inside the screen.
#include "tests/support/x_client.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class StartPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void theTitleBarStartsOnTheScreen_data() {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QPoint>("corner");
        // Centred: (1280 - 656) / 2 and (1024 - 510) / 2, in the screen's pixels.
        QTest::newRow("as designed") << "1" << QPoint(312, 257);
        // 1312 × 1020 pixels do not fit once a title bar is added: the top-left corner.
        QTest::newRow("scaled by 2") << "2" << QPoint(0, 2);
    }

    void theTitleBarStartsOnTheScreen() {
        QFETCH(QString, scale);
        QFETCH(QPoint, corner);
        XClient display;
        if (!display.ok())
            QSKIP("needs an X display (the test suite runs under xvfb-run)");
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        // The program's lock too: another copy running for this user does not stop it.
        environment.insert(QStringLiteral("TMPDIR"), runtime.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VARNELCALC_PATH), {});
        QVERIFY(program.waitForStarted());
        xcb_window_t window = XCB_WINDOW_NONE;
        QTRY_VERIFY_WITH_TIMEOUT(
            (window = display.windowOf(static_cast<pid_t>(program.processId()))) != XCB_WINDOW_NONE,
            20000);
        const XClient::Placement placement = display.placement(window);
        display.requestClose(window);
        QVERIFY(program.waitForFinished(20000));
        QVERIFY(placement.frameCorner);
        QCOMPARE(QPoint(placement.x, placement.y), corner);
    }
};

QTEST_GUILESS_MAIN(StartPlaceTest)
#include "start_place_test.moc"
