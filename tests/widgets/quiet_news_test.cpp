// SPDX-License-Identifier: MIT
// Which news about a box reaches screen readers, piece by piece as the box sends it.
#include "quiet_news.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

enum class Rule { None, UntilFocused, QuietText, DeselectQuietly, HideQuietly };

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
        QTest::newRow("selection gone")
            << Rule::DeselectQuietly << QAccessible::TextSelectionChanged << false << true;
        QTest::newRow("selection made")
            << Rule::DeselectQuietly << QAccessible::TextSelectionChanged << true << false;
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
        case Rule::DeselectQuietly:
            widgets::DeselectQuietly(edit);
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

    // The caret that typing moves is no news; a caret moved by itself is.
    void caretMovesAfterEdits_data() {
        QTest::addColumn<int>("edits");
        QTest::addColumn<QList<bool>>("caretsKept");
        QTest::newRow("moved by an edit") << 1 << QList<bool>{true};
        QTest::newRow("moved by a key alone") << 0 << QList<bool>{false};
        QTest::newRow("an edit, then a key") << 1 << QList<bool>{true, false};
    }

    void caretMovesAfterEdits() {
        QFETCH(int, edits);
        QFETCH(QList<bool>, caretsKept);
        QLineEdit edit(QStringLiteral("100"));
        widgets::DeselectQuietly(edit);
        for (int edit_ = 0; edit_ < edits; ++edit_)
            QVERIFY(!Kept(edit, QAccessible::TextUpdated));
        QList<bool> kept;
        for (qsizetype caret = 0; caret < caretsKept.size(); ++caret)
            kept << Kept(edit, QAccessible::TextCaretMoved);
        QCOMPARE(kept, caretsKept);
    }
};

QTEST_MAIN(QuietNewsTest)
#include "quiet_news_test.moc"
