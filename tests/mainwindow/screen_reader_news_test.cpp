// SPDX-License-Identifier: MIT
// What screen readers are told as the calculator is worked: actions that change nothing under
// the focus are announced, a box tells the keys that read the figures and is read as its text,
// the copy menu opens from the keys, and the tools tab opens at its first pane.
#include "mainwindow/figure_copy.h"
#include "mainwindow/figure_readout.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>

namespace {

// The words the window last gave readers through its notification, if it is showing.
QString Announced(const QWidget& window) {
    auto* notice = window.findChild<QWidget*>(QStringLiteral("announcement"));
    if (!notice || !notice->isVisible())
        return {};
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(notice);
    return spoken->role() == QAccessible::Notification ? spoken->text(QAccessible::Name)
                                                       : QString();
}

} // namespace

class ScreenReaderNewsTest : public MainWindowFixture {
    Q_OBJECT

    // Clicks into the box, unless it has the focus, and presses the keys: each in the menu
    // the ones before opened, if they opened one.
    void press(const char* boxName, const QKeySequence& keys) {
        QLineEdit& edit = box(boxName);
        if (!edit.hasFocus())
            ClickAsUser(edit);
        for (int i = 0; i < keys.count(); ++i) {
            QWidget* menu = QApplication::activePopupWidget();
            QTest::keyClick(menu ? menu : &edit, keys[i].key(), keys[i].keyboardModifiers());
        }
    }

private slots:
    // Keys typed in the eCPM box, each in the menu once one is open; none: Reset clicked.
    void actionsAreAnnounced_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("words");
        QTest::newRow("Reset") << QKeySequence() << "Figures reset";
        QTest::newRow("Ctrl+Shift+C") << QKeySequence("Ctrl+Shift+C") << "All figures copied";
        QTest::newRow("menu: Copy") << QKeySequence("Shift+F10, Return") << "Copied $3.10";
        QTest::newRow("Copy Number") << QKeySequence("Shift+F10, Down, Return") << "Copied 3.10";
    }

    void actionsAreAnnounced() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, words);
        typeInto("txtECPM", QStringLiteral("3.10"));
        if (keys.isEmpty())
            find<QPushButton>("cmdReset").click();
        else
            press("txtECPM", keys);
        QCOMPARE(Announced(*window), words);
    }

    // The menu key and Shift+F10 in a box open the copy menu of the figure in its row.
    void theCopyMenuOpensFromTheKeys_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("copied");
        QTest::newRow("Menu, impressions")
            << "txtPresentImpressions" << QKeySequence("Menu") << "100";
        QTest::newRow("Shift+F10, tenths") << "txtDec" << QKeySequence("Shift+F10") << "0.0%";
        QTest::newRow("Shift+F10, eCPM") << "txtECPM" << QKeySequence("Shift+F10") << "$0.00";
        QTest::newRow("plain F10 opens none") << "txtECPM" << QKeySequence("F10") << "";
    }

    void theCopyMenuOpensFromTheKeys() {
        QFETCH(QString, boxName);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, copied);
        press(qPrintable(boxName), keys);
        if (copied.isEmpty()) {
            QTest::qWait(100);
            QVERIFY(!QApplication::activePopupWidget());
            return;
        }
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QStringList items;
        for (const QAction* action : menu->actions())
            items << action->text() + QLatin1Char('|') + action->shortcut().toString();
        QCOMPARE(items, (QStringList{"Copy|", "Copy Number|", "Copy All Figures|Ctrl+Shift+C", "|",
                                     "Plan\u2026|Ctrl+G"}));
        QCOMPARE(menu->activeAction(), menu->actions().value(0));
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // The box is read as its text: empty is no figure, and a typo is what it is.
    void theValueIsTheText_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("a typo") << "3.10x";
        QTest::newRow("a figure") << "12";
    }

    void theValueIsTheText() {
        QFETCH(QString, typed);
        typeInto("txtECPM", typed);
        const QVariant value = QAccessible::queryAccessibleInterface(&box("txtECPM"))
                                   ->valueInterface()
                                   ->currentValue();
        QCOMPARE(value.typeId(), QMetaType::QString);
        QCOMPARE(value.toString(), typed);
    }

    // Back from the warning about a typo, the box is told to be selected, so the next key
    // is known to type over it.
    void theSelectionIsToldAfterAWarning() {
        QLineEdit& edit = box("txtECPM");
        ClickAsUser(edit);
        const auto previous =
            bind::MessageBoxService::SetHook([&edit](const bind::MessageBoxService::Message&) {
                QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(&edit, &out);
            });
        QTest::keyClicks(&edit, QStringLiteral("3.10x"));
        bind::MessageBoxService::SetHook(previous);
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&edit, &in);
        QTRY_COMPARE(Announced(*window), QStringLiteral("3.10x selected"));
    }

    // Heard after a pause in typing only while a reader listens; no reader listens here.
    void noReaderNoEarningsAfterAPause() {
        QVERIFY(!QAccessible::isActive());
        typeInto("txtECPM", QStringLiteral("3"));
        QTest::qWait(int(
            (mainwindow::FigureReadout::kTypingPause + std::chrono::milliseconds(300)).count()));
        QCOMPARE(Announced(*window), QString());
    }

    // While a reader listens the earnings are told once typing rests, and not after Reset.
    void earningsAfterAPauseWithAReader() {
        const auto previous = mainwindow::FigureReadout::SetReaderCheck([] { return true; });
        const auto restore =
            qScopeGuard([previous] { mainwindow::FigureReadout::SetReaderCheck(previous); });
        const int pause =
            int((mainwindow::FigureReadout::kTypingPause + std::chrono::milliseconds(300)).count());
        typeInto("txtPresentCTR", QStringLiteral("2"));
        typeInto("txtECPM", QStringLiteral("7"));
        QCOMPARE(Announced(*window), QString());
        QTest::qWait(pause);
        QVERIFY(Announced(*window).startsWith("Earnings\nDaily: $.70\n"));
        // The same figures typed again are not told again.
        window->findChild<QWidget*>(QStringLiteral("announcement"))->setAccessibleName({});
        typeInto("txtECPM", QStringLiteral("7"));
        QTest::qWait(pause);
        QCOMPARE(Announced(*window), QString());
        typeInto("txtECPM", QStringLiteral("8"));
        find<QPushButton>("cmdReset").click();
        QTest::qWait(pause);
        QCOMPARE(Announced(*window), QStringLiteral("Figures reset"));
    }

    void boxesTellTheKeysForTheFigures() {
        for (const auto& typed : QStringList{"txtPresentImpressions", "txtPresentClicks",
                                             "txtPresentCTR", "txtDec", "txtECPM"})
            QCOMPARE(QAccessible::queryAccessibleInterface(&box(qPrintable(typed)))
                         ->text(QAccessible::Description),
                     QStringLiteral("F1 speaks the earnings, Shift+F1 the actual numbers, "
                                    "Shift+F10 copies"));
    }

    void altRLandsAtTheFirstPane_data() {
        QTest::addColumn<int>("fromTab");
        QTest::newRow("from the calculator") << 0;
        QTest::newRow("from Quick Help") << 1;
    }

    void altRLandsAtTheFirstPane() {
        QFETCH(int, fromTab);
        if (fromTab == 1)
            QTest::keyClick(focused(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(tabs().currentIndex(), fromTab);
        QTest::keyClick(focused(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(tabs().currentIndex(), 2);
        // The pane, or the view inside it that a renderer gives the focus to.
        QWidget& gold = find("ucVarnelGold");
        QVERIFY(focused() == &gold || gold.isAncestorOf(focused()));
    }
};

QTEST_MAIN(ScreenReaderNewsTest)
#include "screen_reader_news_test.moc"
