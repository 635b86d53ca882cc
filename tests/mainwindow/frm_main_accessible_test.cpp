// SPDX-License-Identifier: MIT
// What a screen reader learns from the main window: roles and names, the labels of the
// figures, spin boxes that tell their steps, the step choice as a group, Enter on buttons.
#include "mainwindow/figure_readout.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QAccessible>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

class FrmMainAccessibleTest : public MainWindowFixture {
    Q_OBJECT

    QAccessibleInterface* accessible(const QString& name) const {
        QObject* object = name == QLatin1String("frmMain") ? window.get() : &find(qPrintable(name));
        return QAccessible::queryAccessibleInterface(object);
    }

private slots:
    void rolesAndNames_data() {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("spokenName");
        QTest::newRow("the window")
            << "frmMain" << QAccessible::Window << "Varnel Interactive Calculator 1.00; build: 85";
        QTest::newRow("header") << "picHeader" << QAccessible::Graphic
                                << "Varnel Interactive Calculator";
        QTest::newRow("typed column") << "fmContainer1" << QAccessible::Grouping << "Unadjusted";
        QTest::newRow("actual column")
            << "fmContainer2" << QAccessible::Grouping << "Actual Numbers";
        QTest::newRow("earnings column") << "fraEarnings" << QAccessible::Grouping << "Earnings";
        QTest::newRow("impressions box")
            << "txtPresentImpressions" << QAccessible::SpinBox << "Impressions:";
        QTest::newRow("tenths box") << "txtDec" << QAccessible::SpinBox << "CTR tenths:";
        QTest::newRow("eCPM box") << "txtECPM" << QAccessible::SpinBox << "eCPM ($):";
    }

    void rolesAndNames() {
        QFETCH(QString, objectName);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, spokenName);
        QAccessibleInterface* interface = accessible(objectName);
        QVERIFY(interface);
        QCOMPARE(interface->role(), role);
        QCOMPARE(interface->text(QAccessible::Name), spokenName);
    }

    void theHeaderCarriesTheTagline() {
        QCOMPARE(accessible("picHeader")->text(QAccessible::Description),
                 QStringLiteral("Impressions, click-through rate, clicks and eCPM: see what a "
                                "day, a week, a month and a year can earn."));
    }

    void figuresAreNamedWithTheirCaptions_data() {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("column");
        QTest::newRow("impressions") << "lblActualImpressions"
                                     << "Impressions:"
                                     << "Actual Numbers";
        QTest::newRow("clicks") << "lblProjectedClicks"
                                << "Clicks:"
                                << "Actual Numbers";
        QTest::newRow("CTR") << "lblProjectedCTR"
                             << "CTR (%):"
                             << "Actual Numbers";
        QTest::newRow("eCPM") << "lblECPM"
                              << "eCPM ($):"
                              << "Actual Numbers";
        QTest::newRow("daily") << "lblDailyEarnings"
                               << "Daily:"
                               << "Earnings";
        QTest::newRow("weekly") << "lblWeeklyEarnings"
                                << "Weekly:"
                                << "Earnings";
        QTest::newRow("monthly") << "lblMonthlyEarnings"
                                 << "Monthly:"
                                 << "Earnings";
        QTest::newRow("yearly") << "lblYearlyEarnings"
                                << "Yearly:"
                                << "Earnings";
        QTest::newRow("EPC") << "lblEPC"
                             << "Average EPC:"
                             << "Earnings";
    }

    // Read as "Actual Numbers, Clicks: 25.0": the grouping, the caption, the figure, also by a
    // reader going over the window line by line, where the columns' rows do not line up.
    void figuresAreNamedWithTheirCaptions() {
        QFETCH(QString, figure);
        QFETCH(QString, caption);
        QFETCH(QString, column);
        typeInto("txtPresentCTR", QStringLiteral("2"));
        QAccessibleInterface* label = accessible(figure);
        QCOMPARE(label->role(), QAccessible::StaticText);
        QCOMPARE(label->text(QAccessible::Name), caption + u' ' + text(qPrintable(figure)));
        QCOMPARE(label->parent()->role(), QAccessible::Grouping);
        QCOMPARE(label->parent()->text(QAccessible::Name), column);
    }

    void theStepChoiceIsAGroup() {
        for (int index = 0; index < 4; ++index) {
            QAccessibleInterface* group =
                QAccessible::queryAccessibleInterface(&stepOption(index))->parent();
            QCOMPARE(group->role(), QAccessible::Grouping);
            QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Increase By"));
            QCOMPARE(group->childCount(), 4);
        }
    }

    // The reader reads the stepped figure as the spin box's value.
    void stepsChangeTheValue_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("impressions up") << "txtPresentImpressions" << int(Qt::Key_Up) << "200";
        QTest::newRow("clicks up") << "txtPresentClicks" << int(Qt::Key_Up) << "1";
        QTest::newRow("tenths up") << "txtDec" << int(Qt::Key_Up) << "1";
        QTest::newRow("eCPM down at 0") << "txtECPM" << int(Qt::Key_Down) << "0";
    }

    void stepsChangeTheValue() {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(QString, value);
        QLineEdit& edit = box(qPrintable(boxName));
        ClickAsUser(edit);
        QTest::keyClick(&edit, Qt::Key(key));
        QCOMPARE(edit.text(), value);
        QAccessibleValueInterface* values =
            QAccessible::queryAccessibleInterface(&edit)->valueInterface();
        QVERIFY(values);
        QCOMPARE(values->currentValue().toDouble(), edit.text().toDouble());
    }

    void theSpinBoxTellsItsRange_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("impressions") << "txtPresentImpressions" << 1 << 1000000;
        QTest::newRow("clicks") << "txtPresentClicks" << 0 << 100000;
        QTest::newRow("CTR") << "txtPresentCTR" << 0 << 100;
        QTest::newRow("tenths") << "txtDec" << 0 << 9;
        QTest::newRow("eCPM") << "txtECPM" << 0 << 10000;
    }

    void theSpinBoxTellsItsRange() {
        QFETCH(QString, boxName);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QAccessibleInterface* spin = accessible(boxName);
        QCOMPARE(spin->valueInterface()->minimumValue().toInt(), minimum);
        QCOMPARE(spin->valueInterface()->maximumValue().toInt(), maximum);
        QVERIFY(spin->state().editable);
        QCOMPARE(spin->textInterface()->text(0, spin->textInterface()->characterCount()),
                 box(qPrintable(boxName)).text());
    }

    // The text a reader edits reaches the calculator as typing does.
    void aReaderEditsTheBox() {
        QAccessibleInterface* spin = accessible(QStringLiteral("txtPresentCTR"));
        spin->editableTextInterface()->replaceText(0, 1, QStringLiteral("2"));
        QCOMPARE(text("lblProjectedCTR"), QStringLiteral("2.00%"));
    }

    void f1ShowsTheFiguresBesideTheBox_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("words");
        const QString earnings = QStringLiteral("Earnings\nDaily: $2.00\nWeekly: $14.00\nMonthly: "
                                                "$60.82\nYearly: $730.00\nAverage EPC: $.08");
        QTest::newRow("F1: earnings")
            << "txtECPM" << int(Qt::Key_F1) << Qt::KeyboardModifiers() << earnings;
        QTest::newRow("Shift+F1: actual numbers")
            << "txtECPM" << int(Qt::Key_F1) << Qt::KeyboardModifiers(Qt::ShiftModifier)
            << "Actual Numbers\nImpressions: 1000\nClicks: 25.0\nCTR (%): 2.50%\neCPM ($): "
               "$2.00";
        QTest::newRow("the Help key")
            << "txtECPM" << int(Qt::Key_Help) << Qt::KeyboardModifiers() << earnings;
        QTest::newRow("F1 on a button")
            << "cmdReset" << int(Qt::Key_F1) << Qt::KeyboardModifiers() << earnings;
    }

    void f1ShowsTheFiguresBesideTheBox() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, words);
        for (const auto& [name, typed] : {std::pair{"txtPresentCTR", "2"},
                                          {"txtDec", "5"},
                                          {"txtPresentImpressions", "1000"},
                                          {"txtECPM", "2"}})
            typeInto(name, QString::fromLatin1(typed));
        const QLabel& tip = window->findChild<mainwindow::FigureReadout*>()->tip();
        QWidget& control = find(qPrintable(focus));
        control.setFocus();
        QTest::keyClick(&control, Qt::Key(key), modifiers);
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.text(), words);
        QAccessibleInterface* spoken =
            QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&tip));
        QCOMPARE(spoken->role(), QAccessible::ToolTip);
        QCOMPARE(spoken->text(QAccessible::Name), tip.text());
        QCOMPARE(focused(), &control);
        QCOMPARE(box("txtECPM").text(), QStringLiteral("2"));
        QTest::keyClick(&control, Qt::Key_5);
        QVERIFY(!tip.isVisible());
    }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Reset") << "cmdReset";
        QTest::newRow("About") << "cmdAbout";
        QTest::newRow("Quit") << "cmdQuit";
    }

    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        auto& pushButton = find<QPushButton>(qPrintable(button));
        int clicks = 0;
        connect(&pushButton, &QPushButton::clicked, [&clicks] { ++clicks; });
        // About opens a modal window: close it as soon as it shows.
        QTimer::singleShot(0, [] {
            if (QWidget* about = QApplication::activeModalWidget())
                about->close();
        });
        pushButton.setFocus();
        QTest::keyClick(&pushButton, Qt::Key_Return);
        QCOMPARE(clicks, 1);
    }

    // No button is the window's default: Enter in a box presses nothing.
    void enterInABoxPressesNothing() {
        typeInto("txtECPM", QStringLiteral("5"));
        QTest::keyClick(&box("txtECPM"), Qt::Key_Return);
        QTest::keyClick(&box("txtECPM"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(box("txtECPM").text(), QStringLiteral("5"));
        QVERIFY(window->isVisible());
        for (auto* button : window->findChildren<QPushButton*>())
            QVERIFY(!button->isDefault());
    }

    void tabPagesGoByTheirTabs() {
        const QStringList names = {"Varnel Calculator", "Quick Help", "Recommended Tools"};
        for (int tab = 0; tab < tabs().count(); ++tab) {
            QAccessibleInterface* page = QAccessible::queryAccessibleInterface(tabs().widget(tab));
            QCOMPARE(page->role(), QAccessible::PageTab);
            QCOMPARE(page->text(QAccessible::Name), names[tab]);
        }
    }
};

QTEST_MAIN(FrmMainAccessibleTest)
#include "frm_main_accessible_test.moc"
