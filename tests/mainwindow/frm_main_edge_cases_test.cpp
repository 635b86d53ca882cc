// SPDX-License-Identifier: MIT
// Edge cases of the main window met on users' desktops: the mouse wheel over the boxes and
// their arrows, the web link clicked while a box is empty, figures too wide for their frames.
#include "bind/spin_arrows.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QAbstractButton>
#include <QFrame>
#include <QWheelEvent>

class FrmMainEdgeCasesTest : public MainWindowFixture {
    Q_OBJECT

    // "txtECPM" for the box, "updECPM/up" or "updECPM/down" for one of its arrows.
    QWidget& target(const QString& name) const {
        const QStringList parts = name.split(QLatin1Char('/'));
        if (parts.size() == 1)
            return find<QWidget>(qPrintable(parts[0]));
        auto& arrows = find<bind::SpinArrows>(qPrintable(parts[0]));
        return parts[1] == QLatin1String("up") ? arrows.upArrow() : arrows.downArrow();
    }

    static void turnWheel(QWidget& over, int angle) {
        const QPointF position = QRectF(over.rect()).center();
        QWheelEvent wheel(position, over.mapToGlobal(position), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&over, &wheel);
    }

private slots:
    void theWheelStepsOnlyAFocusedBox_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("result");
        // After the first turn the focus leaves for another box, a notch turns over this one
        // meanwhile, and the focus comes back before the other turns.
        QTest::addColumn<bool>("awayBetween");
        const QList<int> up{120};
        QTest::newRow("a notch up over the focused box")
            << "txtPresentImpressions"
            << "txtPresentImpressions" << up << "txtPresentImpressions"
            << "200" << false;
        QTest::newRow("a notch up over its up arrow")
            << "txtPresentImpressions"
            << "updImpressions/up" << up << "txtPresentImpressions"
            << "200" << false;
        QTest::newRow("a notch up over its down arrow")
            << "txtPresentImpressions"
            << "updImpressions/down" << up << "txtPresentImpressions"
            << "200" << false;
        QTest::newRow("three notches down stop at the lowest value")
            << "txtPresentImpressions"
            << "txtPresentImpressions" << QList<int>{-120, -120, -120} << "txtPresentImpressions"
            << "1" << false;
        QTest::newRow("two notches in one turn")
            << "txtPresentCTR"
            << "txtPresentCTR" << QList<int>{240} << "txtPresentCTR"
            << "2" << false;
        QTest::newRow("the tenths stop at 9") << "txtDec"
                                              << "updDec/up" << QList<int>{120 * 12} << "txtDec"
                                              << "9" << false;
        QTest::newRow("half notches add up to one step")
            << "txtECPM"
            << "txtECPM" << QList<int>{60, 30, 30, 60} << "txtECPM"
            << "1" << false;
        QTest::newRow("half a notch does nothing yet") << "txtECPM"
                                                       << "txtECPM" << QList<int>{60} << "txtECPM"
                                                       << "0" << false;
        QTest::newRow("an unfocused box ignores the wheel")
            << "txtPresentImpressions"
            << "txtPresentClicks" << up << "txtPresentClicks"
            << "0" << false;
        QTest::newRow("and so do its arrows") << "txtPresentImpressions"
                                              << "updClicks/up" << up << "txtPresentClicks"
                                              << "0" << false;
        QTest::newRow("the wheel elsewhere leaves the focused box alone")
            << "txtPresentImpressions"
            << "updClicks/up" << up << "txtPresentImpressions"
            << "100" << false;
        QTest::newRow("half a notch is dropped when the focus leaves")
            << "txtECPM"
            << "txtECPM" << QList<int>{60, 60} << "txtECPM"
            << "0" << true;
    }

    void theWheelStepsOnlyAFocusedBox() {
        QFETCH(QString, focus);
        QFETCH(QString, over);
        QFETCH(QList<int>, turns);
        QFETCH(QString, box);
        QFETCH(QString, result);
        QFETCH(bool, awayBetween);
        ClickAsUser(this->box(qPrintable(focus)));
        QCOMPARE(focused(), &this->box(qPrintable(focus)));
        for (qsizetype turn = 0; turn < turns.size(); ++turn) {
            turnWheel(target(over), turns[turn]);
            if (turn == 0 && awayBetween) {
                ClickAsUser(this->box("txtPresentImpressions"));
                turnWheel(target(over), 120);
                ClickAsUser(this->box(qPrintable(focus)));
            }
        }
        QCOMPARE(this->box(qPrintable(box)).text(), result);
        QVERIFY(messages->messages.empty());
    }

    // The link takes no focus, so the box keeps it, empty, until the focus leaves it.
    void theWebLinkOpensWhileABoxIsEmpty_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("refill");
        QTest::newRow("impressions") << "txtPresentImpressions"
                                     << "100";
        QTest::newRow("tenths") << "txtDec"
                                << "00";
    }

    void theWebLinkOpensWhileABoxIsEmpty() {
        QFETCH(QString, boxName);
        QFETCH(QString, refill);
        QLineEdit& edit = box(qPrintable(boxName));
        typeInto(qPrintable(boxName), QString());
        ClickAsUser(find("lblWebLink"));
        QCOMPARE(openedLinks.size(), 1u);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(focused(), &edit);
        QTest::keyClick(&edit, Qt::Key_Tab);
        QCOMPARE(edit.text(), refill);
    }

    // The largest figures the boxes take: every result stays inside its frame, whole.
    // A note under the Clicks box covers the top of the CTR box; a click there is meant for
    // the box, and goes to the window that the screen shows at that point.
    void aNoteTakesNoClick_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key"); // pressed after the typing
        QTest::newRow("a refused key's note") << "123456" << 0;
        QTest::newRow("the F1 tip") << "12345" << int(Qt::Key_F1);
    }

    void aNoteTakesNoClick() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        typeInto("txtPresentImpressions", QStringLiteral("1000000"));
        typeInto("txtPresentClicks", typed);
        if (key)
            QTest::keyClick(&box("txtPresentClicks"), Qt::Key(key));
        QLineEdit& ctr = box("txtPresentCTR");
        const QPoint point = ctr.mapToGlobal(QPoint(10, 4));
        QWindow* shown = QGuiApplication::topLevelAt(point);
        QVERIFY(shown);
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->mapFromGlobal(point));
        QCOMPARE(focused(), &ctr);
        QCOMPARE(window->childAt(window->mapFromGlobal(point)), &ctr);
    }

    void extremeFiguresStayInsideTheirFrames_data() {
        QTest::addColumn<QString>("ecpm");
        QTest::newRow("eCPM 99999") << "99999";
        QTest::newRow("eCPM 9999999") << "9999999";
    }

    void extremeFiguresStayInsideTheirFrames() {
        QFETCH(QString, ecpm);
        typeInto("txtPresentCTR", QStringLiteral("100"));
        typeInto("txtPresentImpressions", QStringLiteral("9999999"));
        typeInto("txtECPM", ecpm);
        for (const char* name : {"lblActualImpressions", "lblProjectedClicks", "lblProjectedCTR",
                                 "lblECPM", "lblDailyEarnings", "lblWeeklyEarnings",
                                 "lblMonthlyEarnings", "lblYearlyEarnings", "lblEPC"}) {
            auto& label = find<QLabel>(name);
            const auto* frame = qobject_cast<QFrame*>(label.parentWidget());
            QVERIFY(frame);
            QVERIFY2(label.geometry().right() <= frame->contentsRect().right(), name);
            QVERIFY2(label.fontMetrics().horizontalAdvance(label.text()) <=
                         label.contentsRect().width(),
                     name);
        }
    }
};

QTEST_MAIN(FrmMainEdgeCasesTest)
#include "frm_main_edge_cases_test.moc"
