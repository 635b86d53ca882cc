// SPDX-License-Identifier: MIT
// Which news about a box reaches screen readers, piece by piece as the box sends it.
#include "quiet_news.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

enum class Rule { None, UntilFocused, QuietText, WhileUnfocused, HideQuietly };

std::unique_ptr<QAccessibleEvent> News(QLineEdit& edit, QAccessible::Event type) {
    switch (type) {
    case QAccessible::TextSelectionChanged:
        return std::make_unique<QAccessibleTextSelectionEvent>(&edit, 0, int(edit.text().size()));
    case QAccessible::TextCaretMoved:
        return std::make_unique<QAccessibleTextCursorEvent>(&edit, edit.cursorPosition());
    case QAccessible::TextInserted:
        return std::make_unique<QAccessibleTextInsertEvent>(&edit, 0, QStringLiteral("5"));
    case QAccessible::TextUpdated:
        return std::make_unique<QAccessibleTextUpdateEvent>(&edit, 0, QStringLiteral("0"),
                                                            QStringLiteral("5"));
    case QAccessible::ValueChanged:
        return std::make_unique<QAccessibleValueChangeEvent>(&edit, 5);
    default:
        return std::make_unique<QAccessibleEvent>(&edit, type);
    }
}

bool Kept(QLineEdit& edit, QAccessible::Event type) {
    return widgets::KeptFromReaders(*News(edit, type));
}

} // namespace

Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(QAccessible::Event)

class QuietNewsTest : public QObject {
    Q_OBJECT

private slots:
    void newsKeptUnderEachRule_data() {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<QAccessible::Event>("news");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("kept");
        QTest::newRow("no rule") << Rule::None << QAccessible::TextSelectionChanged << false
                                 << false;
        QTest::newRow("entering: selection")
            << Rule::UntilFocused << QAccessible::TextSelectionChanged << true << true;
        QTest::newRow("entering: caret")
            << Rule::UntilFocused << QAccessible::TextCaretMoved << true << true;
        QTest::newRow("entering: name")
            << Rule::UntilFocused << QAccessible::NameChanged << true << false;
        QTest::newRow("stepping: new text")
            << Rule::QuietText << QAccessible::TextUpdated << false << true;
        QTest::newRow("stepping: new value")
            << Rule::QuietText << QAccessible::ValueChanged << false << false;
        QTest::newRow("typing over: selection gone")
            << Rule::QuietText << QAccessible::TextSelectionChanged << false << true;
        QTest::newRow("a key: selection gone")
            << Rule::None << QAccessible::TextSelectionChanged << false << false;
        QTest::newRow("focus gone: selection gone")
            << Rule::WhileUnfocused << QAccessible::TextSelectionChanged << false << true;
        QTest::newRow("focus gone: name")
            << Rule::WhileUnfocused << QAccessible::NameChanged << false << false;
        QTest::newRow("tip hidden")
            << Rule::HideQuietly << QAccessible::ObjectHide << false << true;
        QTest::newRow("tip shown")
            << Rule::HideQuietly << QAccessible::ObjectShow << false << false;
    }

    void newsKeptUnderEachRule() {
        QFETCH(Rule, rule);
        QFETCH(QAccessible::Event, news);
        QFETCH(bool, selected);
        QFETCH(bool, kept);
        QLineEdit edit(QStringLiteral("100"));
        if (selected)
            edit.selectAll();
        std::unique_ptr<widgets::QuietText> quiet;
        switch (rule) {
        case Rule::None:
            break;
        case Rule::UntilFocused:
            widgets::QuietUntilFocused(edit);
            break;
        case Rule::QuietText:
            quiet = std::make_unique<widgets::QuietText>(edit);
            break;
        case Rule::WhileUnfocused:
            widgets::QuietWhileUnfocused(edit);
            break;
        case Rule::HideQuietly:
            widgets::HideQuietly(edit);
            break;
        }
        QCOMPARE(Kept(edit, news), kept);
    }

    // Readers hear the box's selection with the box, once they know it has the focus.
    void theFocusEndsTheQuietOfEntering() {
        QLineEdit edit(QStringLiteral("100"));
        edit.selectAll();
        widgets::QuietUntilFocused(edit);
        QVERIFY(Kept(edit, QAccessible::TextSelectionChanged));
        QVERIFY(!Kept(edit, QAccessible::Focus));
        QVERIFY(!Kept(edit, QAccessible::TextSelectionChanged));
    }

    // A caret moved while the text is held is not told; once the hold ends, it is.
    void caretMovesAfterAHold_data() {
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("kept");
        QTest::newRow("during the hold") << true << true;
        QTest::newRow("after the hold") << false << false;
    }

    void caretMovesAfterAHold() {
        QFETCH(bool, held);
        QFETCH(bool, kept);
        QLineEdit edit(QStringLiteral("100"));
        auto quiet = std::make_unique<widgets::QuietText>(edit);
        if (!held)
            quiet.reset();
        QCOMPARE(Kept(edit, QAccessible::TextCaretMoved), kept);
    }
};

QTEST_MAIN(QuietNewsTest)
#include "quiet_news_test.moc"
