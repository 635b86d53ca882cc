// SPDX-License-Identifier: MIT
// The Plan window as a user meets it: Ctrl+G over the calculator's figures, a goal typed,
// a result read, the plan copied, Esc; and "Plan…" in the copy menu.
#include "mainwindow/figure_copy.h"
#include "planwindow/plan_window.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

class PlanWindowTest : public MainWindowFixture {
    Q_OBJECT

    QList<planwindow::PlanWindow*> plans() const {
        return window->findChildren<planwindow::PlanWindow*>();
    }

private slots:
    void planFromTheKeys() {
        typeInto("txtPresentImpressions", QStringLiteral("1000"));
        typeInto("txtPresentCTR", QStringLiteral("2"));
        typeInto("txtDec", QStringLiteral("5"));
        typeInto("txtECPM", QStringLiteral("2.5"));
        QTest::keyClick(focused(), Qt::Key_G, Qt::ControlModifier);
        QTRY_COMPARE(plans().size(), 1);
        QPointer<planwindow::PlanWindow> plan = plans().first();
        QTRY_COMPARE(focused(), plan->findChild<QLineEdit*>("txtGoal"));
        QCOMPARE(plan->findChild<QLineEdit*>("txtPlanCTR")->text(), QStringLiteral("2.5"));

        // The goal has the focus, its text selected: typed over, the plan follows each key.
        QTest::keyClicks(focused(), QStringLiteral("999"));
        QCOMPARE(plan->findChild<QLineEdit*>("txtResult0")->text(), QStringLiteral("13141"));
        QTest::keyClicks(focused(), QStringLiteral(".99"));
        // The least impressions whose monthly earnings, as the calculator shows them, reach
        // $999.99; one fewer shows less (the engine's tests hold the rule).
        QCOMPARE(plan->findChild<QLineEdit*>("txtResult0")->text(), QStringLiteral("13154"));
        QCOMPARE(plan->findChild<QLineEdit*>("txtResult0")->accessibleName(),
                 QStringLiteral("Needed impressions: 13154"));

        QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(plans().size(), 1);
        QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains("Goal ($)\t999.99\t999.99\n"), qPrintable(copied));
        QVERIFY(copied.contains("Needed impressions\t13154\t13154\n"));
        QVERIFY(copied.contains("\n\nMonth\tImpressions\tClicks\tMonthly\tTotal\n1\t1000\t25.0"));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->html().count("<tr>"), 1 + 17 + 1 + 12);

        QTest::keyClick(focused(), Qt::Key_Escape);
        QTRY_VERIFY(!plan);

        mainwindow::FigureCopy* copy = window->findChild<mainwindow::FigureCopy*>();
        std::unique_ptr<QMenu> menu(
            copy->createContextMenu(find<QLabel>("lblDailyEarnings"), nullptr));
        menu->actions().last()->trigger();
        QTRY_COMPARE(plans().size(), 1);
    }
};

QTEST_MAIN(PlanWindowTest)
#include "plan_window_test.moc"
