// SPDX-License-Identifier: MIT
#include "link_label.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

class LinkLabelTest : public QObject {
    Q_OBJECT

private slots:
    void aClickActivatesItOnce() {
        widgets::LinkLabel link(QStringLiteral("www.varnelcalc.example"));
        link.resize(160, 17);
        QSignalSpy activated(&link, &widgets::LinkLabel::activated);
        QTest::mouseClick(&link, Qt::LeftButton);
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

    void keysActivateIt_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
        QTest::newRow("Space") << Qt::Key_Space;
    }

    void keysActivateIt() {
        QFETCH(Qt::Key, key);
        widgets::LinkLabel link(QStringLiteral("support@varnelcalc.example"));
        QSignalSpy activated(&link, &widgets::LinkLabel::activated);
        QTest::keyClick(&link, key);
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
