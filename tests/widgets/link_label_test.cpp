// SPDX-License-Identifier: MIT
#include "widgets/link_label.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

class LinkLabelTest : public QObject {
    Q_OBJECT

private slots:
    // Through the window, as the mouse does: Qt then makes the double click out of two
    // presses.
    void aClickActivatesItOnce_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("click") << false;
        QTest::newRow("double click") << true;
    }

    void aClickActivatesItOnce() {
        QFETCH(bool, doubleClick);
        widgets::LinkLabel link(QStringLiteral("www.varnelcalc.example"));
        link.resize(160, 17);
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QSignalSpy activated(&link, &widgets::LinkLabel::activated);
        if (doubleClick)
            QTest::mouseDClick(link.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        else
            QTest::mouseClick(link.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(activated.size(), 1);
    }

    void releasingElsewhereDoesNotActivate() {
        widgets::LinkLabel link(QStringLiteral("www.varnelcalc.example"));
        link.resize(160, 17);
        QSignalSpy activated(&link, &widgets::LinkLabel::activated);
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(500, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(activated.size(), 0);
    }

    // A key held down sends repeated presses; it still opens the link once.
    void keysActivateIt_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("repeats");
        QTest::newRow("Enter") << Qt::Key_Return << 0;
        QTest::newRow("keypad Enter") << Qt::Key_Enter << 0;
        QTest::newRow("Space") << Qt::Key_Space << 0;
        QTest::newRow("Enter held down") << Qt::Key_Return << 5;
        QTest::newRow("Space held down") << Qt::Key_Space << 5;
    }

    void keysActivateIt() {
        QFETCH(Qt::Key, key);
        QFETCH(int, repeats);
        widgets::LinkLabel link(QStringLiteral("support@varnelcalc.example"));
        QSignalSpy activated(&link, &widgets::LinkLabel::activated);
        for (int press = 0; press <= repeats; ++press) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), press > 0);
            QApplication::sendEvent(&link, &event);
            QVERIFY(event.isAccepted());
        }
        QCOMPARE(activated.size(), 1);
    }

    void looksAndPointsLikeALink() {
        widgets::LinkLabel link(QStringLiteral("www.varnelcalc.example"));
        QVERIFY(link.font().underline());
        QCOMPARE(link.palette().color(QPalette::WindowText), QColor(19, 56, 142));
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link.cursor().hotSpot(), QPoint(5, 0));
        QCOMPARE(link.cursor().pixmap().size(), QSize(32, 32));
        QVERIFY(link.focusPolicy() & Qt::TabFocus);
    }

    void screenReadersSeeALinkToPress() {
        widgets::LinkLabel link(QStringLiteral("www.varnelcalc.example"));
        QSignalSpy activated(&link, &widgets::LinkLabel::activated);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&link);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Link);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("www.varnelcalc.example"));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(activated.size(), 1);
    }
};

QTEST_MAIN(LinkLabelTest)
#include "link_label_test.moc"
