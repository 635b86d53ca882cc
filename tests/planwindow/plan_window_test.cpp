// SPDX-License-Identifier: MIT
// The Plan window as a user meets it: Ctrl+G over the calculator's figures, a goal typed,
// a result read, the plan copied, Esc; and "Plan…" in the copy menu.
#include "mainwindow/figure_copy.h"
#include "planwindow/plan_window.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTableView>

using namespace Qt::StringLiterals;

class PlanWindowTest : public MainWindowFixture {
    Q_OBJECT

    QList<planwindow::PlanWindow*> plans() const {
        return window->findChildren<planwindow::PlanWindow*>();
    }

    // The Plan window over figures that make a plan: 1000 impressions, a CTR of 2.5 %, eCPM 2.
    planwindow::PlanWindow* openPlan() {
        for (const auto& [name, typed] : {std::pair{"txtPresentImpressions", "1000"},
                                          {"txtPresentCTR", "2"},
                                          {"txtDec", "5"},
                                          {"txtECPM", "2"}})
            typeInto(name, QString::fromLatin1(typed));
        QTest::keyClick(focused(), Qt::Key_G, Qt::ControlModifier);
        planwindow::PlanWindow* plan = plans().value(0);
        const bool focused =
            plan && QTest::qWaitFor([&] {
                return QApplication::focusWidget() == plan->findChild<QLineEdit*>(u"txtGoal"_s);
            });
        return focused ? plan : nullptr;
    }
    template <typename Widget = QLineEdit> Widget& in(QWidget& plan, const QString& name) {
        return *plan.findChild<Widget*>(name);
    }
    static void press(const QString& keys) {
        const QKeySequence sequence = QKeySequence::fromString(keys);
        for (int i = 0; i < sequence.count(); ++i)
            QTest::keyClick(QApplication::focusWidget(), sequence[i].key(),
                            sequence[i].keyboardModifiers());
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

    // A spreadsheet's cell, pasted, is its first line; a tab kept in it stays in its cell of
    // the copy.
    void aPasteTakesTheFirstLine_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::newRow("goal") << "txtGoal"
                              << "2000\n"
                              << "2000";
        QTest::newRow("months, CR LF") << "txtMonths"
                                       << "24\r\n3\r\n"
                                       << "24";
        QTest::newRow("a tab") << "txtGoal"
                               << "20\t00"
                               << "20\t00";
    }

    void aPasteTakesTheFirstLine() {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        QWidget* plan = openPlan();
        QVERIFY(plan);
        QLineEdit& box = in(*plan, field);
        box.setFocus();
        box.selectAll();
        QGuiApplication::clipboard()->setText(pasted);
        press(QStringLiteral("Ctrl+V, Ctrl+Shift+C"));
        QCOMPARE(box.text(), text);
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
        for (const QString& line : lines.filter(QRegularExpression(u"^(Goal \\(|Months)"_s)))
            QCOMPARE(line.count(u'\t'), 2);
    }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Return on Copy Plan") << "cmdCopyPlan"
                                             << "Return" << false;
        QTest::newRow("keypad Enter on Copy Plan") << "cmdCopyPlan"
                                                   << "Num+Enter" << false;
        QTest::newRow("Return on Close") << "cmdClose"
                                         << "Return" << true;
    }

    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(bool, closes);
        QPointer<QWidget> plan = openPlan();
        QVERIFY(plan);
        QGuiApplication::clipboard()->clear();
        in<QWidget>(*plan, button).setFocus();
        press(key);
        QTRY_COMPARE(plan.isNull(), closes);
        QCOMPARE(QGuiApplication::clipboard()->text().startsWith(u"Figure"_s), !closes);
    }

    // Fields that play no part in the plan are left out.
    void fieldsThatPlayNoPart_data() {
        QTest::addColumn<bool>("solveForECPM");
        QTest::addColumn<QString>("pageViews");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("eCPM solved for") << true << ""
                                         << "txtPlanECPM" << false;
        QTest::newRow("eCPM typed") << false << ""
                                    << "txtPlanECPM" << true;
        QTest::newRow("fill rate beside impressions") << false << ""
                                                      << "txtFillRate" << false;
        QTest::newRow("ads per page with page views") << false << "500"
                                                      << "txtAdsPerPage" << true;
    }

    void fieldsThatPlayNoPart() {
        QFETCH(bool, solveForECPM);
        QFETCH(QString, pageViews);
        QFETCH(QString, field);
        QFETCH(bool, enabled);
        QWidget* plan = openPlan();
        QVERIFY(plan);
        for (auto* option : plan->findChildren<QAbstractButton*>()) {
            if (solveForECPM && option->accessibleName() == u"Solve for eCPM"_s)
                option->click();
        }
        in(*plan, u"txtPageViews"_s).setText(pageViews);
        QCOMPARE(in(*plan, field).isEnabled(), enabled);
    }

    // From the box with the focus, the keys pressed: the control then focused, and its text.
    void keysMoveAndSelect_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("text");
        QTest::newRow("Tab enters a choice at the option that is on") << "txtGoal"
                                                                      << "Tab"
                                                                      << "Goal per Month"
                                                                      << "";
        QTest::newRow("Alt+N in Months selects it") << "txtMonths"
                                                    << "Alt+N, 2, 4"
                                                    << "Months"
                                                    << "24";
    }

    void keysMoveAndSelect() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, focus);
        QFETCH(QString, text);
        QWidget* plan = openPlan();
        QVERIFY(plan);
        in(*plan, start).setFocus(Qt::MouseFocusReason);
        in(*plan, start).end(false);
        press(keys);
        QCOMPARE(focused()->accessibleName(), focus);
        auto* box = qobject_cast<QLineEdit*>(focused());
        QCOMPARE(box ? box->text() : QString(), text);
    }

    // A refusal is told as it appears; one that stays as it was is no news.
    void aRefusalIsToldOnce() {
        QWidget* plan = openPlan();
        QVERIFY(plan);
        press(u"0"_s);
        auto* notice = plan->findChild<QWidget*>(u"announcement"_s);
        QVERIFY(notice && notice->isVisible());
        QVERIFY(notice->accessibleName().startsWith(u"The goal"_s));
        notice->hide();
        press(u"0"_s);
        QVERIFY(notice->isHidden());
    }

    // Back in the month table, the month left is the month read.
    void theTableKeepsItsMonth() {
        QWidget* plan = openPlan();
        QVERIFY(plan);
        auto& table = in<QTableView>(*plan, u"tblMonths"_s);
        table.setFocus(Qt::TabFocusReason);
        press(u"Down, Down"_s);
        in(*plan, u"txtGoal"_s).setFocus(Qt::BacktabFocusReason);
        table.setFocus(Qt::TabFocusReason);
        QCOMPARE(table.currentIndex().row(), 2);
    }

    // No figure is cut: each column fits its widest figure; the goal's line, above every bar,
    // is drawn at the chart's top.
    void nothingIsCut() {
        QWidget* plan = openPlan();
        QVERIFY(plan);
        in(*plan, u"txtGrowth"_s).setText(u"20"_s);
        in(*plan, u"txtMonths"_s).setText(u"120"_s);
        auto& table = in<QTableView>(*plan, u"tblMonths"_s);
        QCOMPARE(table.model()->rowCount(), 120);
        for (int column = 0; column < table.model()->columnCount(); ++column)
            QVERIFY(table.columnWidth(column) >=
                    static_cast<QAbstractItemView&>(table).sizeHintForColumn(column));
        in(*plan, u"txtMonths"_s).setText(u"12"_s);
        in(*plan, u"txtGrowth"_s).setText(u"0"_s);
        QWidget& chart = in<QWidget>(*plan, u"picEarningsChart"_s);
        const QImage image = chart.grab().toImage();
        const QRgb ink = chart.palette().color(QPalette::Text).rgb();
        int longest = 0;
        for (int y = 0; y < image.height() / 3; ++y) {
            int inked = 0;
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) == ink;
            longest = std::max(longest, inked);
        }
        QVERIFY2(longest > image.width() / 3, qPrintable(QString::number(longest)));
    }
};

QTEST_MAIN(PlanWindowTest)
#include "plan_window_test.moc"
