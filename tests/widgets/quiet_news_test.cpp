// SPDX-License-Identifier: MIT
// Which news about a box reaches screen readers, piece by piece as the box sends it.
#include "widgets/quiet_news.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>
#include <optional>

namespace {

// The rule the box is under as the news goes out. Entered: quiet until focused, and readers
// since told of the focus. HoldEnded: its text held quiet, and the hold over. MenuUp: a popup
// menu open over it; Popup: the box is the popup.
enum class Rule {
    None,
    UntilFocused,
    Entered,
    QuietText,
    HoldEnded,
    WhileUnfocused,
    HideQuietly,
    MenuUp,
    Popup
};

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
    case QAccessible::StateChanged: {
        QAccessible::State active;
        active.active = true;
        return std::make_unique<QAccessibleStateChangeEvent>(&edit, active);
    }
    default:
        return std::make_unique<QAccessibleEvent>(&edit, type);
    }
}

bool Kept(QLineEdit& edit, QAccessible::Event type) {
    return widgets::KeptFromReaders(*News(edit, type));
}

struct Case {
    const char* name;
    Rule rule;
    QAccessible::Event news;
    bool selected;
    bool kept;
};

} // namespace

Q_DECLARE_METATYPE(Case)

class QuietNewsTest : public QObject {
    Q_OBJECT

private slots:
    void newsKeptUnderEachRule_data() {
        using enum QAccessible::Event;
        static constexpr Case kCases[] = {
            {"a key: selection gone", Rule::None, TextSelectionChanged, false, false},
            {"entering: selection", Rule::UntilFocused, TextSelectionChanged, true, true},
            {"entering: caret", Rule::UntilFocused, TextCaretMoved, true, true},
            {"entering: name", Rule::UntilFocused, NameChanged, true, false},
            {"entering: the focus", Rule::UntilFocused, Focus, true, false},
            {"entered: selection", Rule::Entered, TextSelectionChanged, true, false},
            {"stepping: new text", Rule::QuietText, TextUpdated, false, true},
            {"stepping: new value", Rule::QuietText, ValueChanged, false, false},
            {"typing over: selection gone", Rule::QuietText, TextSelectionChanged, false, true},
            {"held: caret", Rule::QuietText, TextCaretMoved, false, true},
            {"hold over: caret", Rule::HoldEnded, TextCaretMoved, false, false},
            {"focus gone: selection gone", Rule::WhileUnfocused, TextSelectionChanged, false, true},
            {"focus gone: name", Rule::WhileUnfocused, NameChanged, false, false},
            {"tip hidden", Rule::HideQuietly, ObjectHide, false, true},
            {"tip shown", Rule::HideQuietly, ObjectShow, false, false},
            {"menu up: active again", Rule::MenuUp, StateChanged, false, true},
            {"the menu's own: active", Rule::Popup, StateChanged, false, false},
        };
        QTest::addColumn<Case>("row");
        for (const Case& row : kCases)
            QTest::newRow(row.name) << row;
    }

    void newsKeptUnderEachRule() {
        QFETCH(Case, row);
        QLineEdit edit(QStringLiteral("100"));
        QMenu menu;
        if (row.selected)
            edit.selectAll();
        std::optional<widgets::QuietText> quiet;
        switch (row.rule) {
        case Rule::None:
            break;
        case Rule::UntilFocused:
            widgets::QuietUntilFocused(edit);
            break;
        case Rule::Entered:
            widgets::QuietUntilFocused(edit);
            Kept(edit, QAccessible::Focus);
            break;
        case Rule::QuietText:
            quiet.emplace(edit);
            break;
        case Rule::HoldEnded:
            quiet.emplace(edit);
            quiet.reset();
            break;
        case Rule::WhileUnfocused:
            widgets::QuietWhileUnfocused(edit);
            break;
        case Rule::HideQuietly:
            widgets::HideQuietly(edit);
            break;
        case Rule::MenuUp:
            menu.addAction(QStringLiteral("Copy"));
            menu.popup({});
            break;
        case Rule::Popup:
            edit.setWindowFlag(Qt::Popup);
            edit.show();
            break;
        }
        QCOMPARE(Kept(edit, row.news), row.kept);
    }
};

QTEST_MAIN(QuietNewsTest)
#include "quiet_news_test.moc"
