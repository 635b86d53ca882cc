// SPDX-License-Identifier: MIT
// What screen readers are told as the calculator is worked: actions that change nothing under
// the focus are announced, a box tells the keys that read the figures and is read as its text,
// the copy menu opens from the keys, and the tools tab opens at its first pane.
#include "figure_copy.h"
#include "figure_readout.h"
#include "frm_main_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>

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

enum class Action { Reset, CopyAllKeys, MenuCopy, MenuCopyNumber };

} // namespace

Q_DECLARE_METATYPE(Action)

class ScreenReaderNewsTest : public MainWindowFixture {
    Q_OBJECT

    QMenu* openMenuFromKeys(const char* boxName, int key, Qt::KeyboardModifiers modifiers) {
        QLineEdit& edit = box(boxName);
        ClickAsUser(edit);
        QTest::keyClick(&edit, Qt::Key(key), modifiers);
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            return nullptr;
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

private slots:
    void actionsAreAnnounced_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("words");
        QTest::newRow("Reset") << Action::Reset << "Figures reset";
        QTest::newRow("Ctrl+Shift+C") << Action::CopyAllKeys << "All figures copied";
        QTest::newRow("menu Copy") << Action::MenuCopy << "Copied $3.10";
        QTest::newRow("menu Copy Number") << Action::MenuCopyNumber << "Copied 3.10";
    }

    void actionsAreAnnounced() {
        QFETCH(Action, action);
        QFETCH(QString, words);
        typeInto("txtECPM", QStringLiteral("3.10"));
        switch (action) {
        case Action::Reset:
            find<QPushButton>("cmdReset").click();
            break;
        case Action::CopyAllKeys:
            QTest::keyClick(&box("txtECPM"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case Action::MenuCopy:
        case Action::MenuCopyNumber: {
            QMenu* menu = openMenuFromKeys("txtECPM", Qt::Key_F10, Qt::ShiftModifier);
            QVERIFY(menu);
            if (action == Action::MenuCopyNumber)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
            break;
        }
        }
        QCOMPARE(Announced(*window), words);
    }

    // The menu key and Shift+F10 in a box open the copy menu of the figure in its row.
    void theCopyMenuOpensFromTheKeys_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("copied");
        QTest::newRow("menu key, impressions")
            << "txtPresentImpressions" << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << "100";
        QTest::newRow("Shift+F10, tenths")
            << "txtDec" << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "0.0%";
        QTest::newRow("Shift+F10, eCPM")
            << "txtECPM" << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "$0.00";
    }

    void theCopyMenuOpensFromTheKeys() {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, copied);
        QMenu* menu = openMenuFromKeys(qPrintable(boxName), key, modifiers);
        QVERIFY(menu);
        QStringList items;
        for (const QAction* action : menu->actions())
            items << action->text() + QLatin1Char('|') + action->shortcut().toString();
        QCOMPARE(items, (QStringList{"Copy|", "Copy Number|", "Copy All Figures|Ctrl+Shift+C"}));
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
        QTest::qWait(int((FigureReadout::kTypingPause + std::chrono::milliseconds(300)).count()));
        QCOMPARE(Announced(*window), QString());
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
