// SPDX-License-Identifier: MIT
// The Plan window as a user meets it: Ctrl+G over the calculator's figures, a goal typed,
// a result read, the plan copied, Esc.
#include "figure_copy.h"
#include "frm_main_fixture.h"
#include "plan_window.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTableView>

class PlanWindowTest : public MainWindowFixture {
    Q_OBJECT

    PlanWindow* plan() const { return window->findChild<PlanWindow*>(); }

private slots:
    void ctrlGPlansFromTheFigures() {
        typeInto("txtPresentCTR", QStringLiteral("2"));
        typeInto("txtDec", QStringLiteral("5"));
        typeInto("txtPresentImpressions", QStringLiteral("1000"));
        typeInto("txtECPM", QStringLiteral("2.5"));
        QTest::keyClick(focused(), Qt::Key_G, Qt::ControlModifier);
        QTRY_VERIFY(plan() && plan()->isActiveWindow());
        QCOMPARE(plan()->findChild<QLineEdit*>("txtPlanCTR")->text(), QStringLiteral("2.50"));

        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1000"));
        QTRY_VERIFY(false);
    }
};

QTEST_MAIN(PlanWindowTest)
#include "plan_window_test.moc"
