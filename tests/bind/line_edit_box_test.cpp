// SPDX-License-Identifier: MIT
#include "bind/line_edit_box.h"
#include "desktop/beep.h"
#include "widgets/hint.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

// A line edit in a window of its own, bound to the engine's box interface, counting the
// change handlings it raises.
struct BoundEdit {
    explicit BoundEdit(int limit, const QString& text = {}) {
        edit.setObjectName(QStringLiteral("txtTest"));
        edit.setText(text);
        box = std::make_unique<bind::LineEditBox>(edit, limit);
        box->setChangeHandler([this] { ++changes; });
        edit.show();
        edit.activateWindow();
        edit.setFocus();
    }
    QLineEdit edit;
    std::unique_ptr<bind::LineEditBox> box;
    int changes = 0;
};

class LineEditBoxTest : public QObject {
    Q_OBJECT

    int beeps_ = 0;
    desktop::Beeper previousBeeper_;

private slots:
    void initTestCase() {
        previousBeeper_ = desktop::SetBeeper([this] { ++beeps_; });
    }
    void cleanupTestCase() { desktop::SetBeeper(previousBeeper_); }
    void init() { beeps_ = 0; }

    void takesTheLineEditsName() {
        BoundEdit bound(7);
        QCOMPARE(bound.box->name(), std::string("txtTest"));
        QCOMPARE(bound.box->typingLimit(), 7);
    }

    void codeWritesRaiseTheChangeOnlyWhenTheTextDiffers() {
        BoundEdit bound(7, QStringLiteral("100"));
        bound.box->setText("100");
        QCOMPARE(bound.changes, 0);
        bound.box->setText("200");
        QCOMPARE(bound.changes, 1);
        bound.box->setText("");
        QCOMPARE(bound.changes, 2);
    }

    // The engine writes a box back from inside its own change handling: the inner write
    // must run its handling to the end before the outer one goes on, and stop once the
    // text no longer changes.
    void aWriteFromTheChangeHandlingRunsNested() {
        BoundEdit bound(7);
        std::vector<std::string> seen;
        bound.box->setChangeHandler([&] {
            std::string text = bound.box->text();
            std::erase(text, ' ');
            bound.box->setText(text);
            seen.push_back(bound.box->text());
        });
        bound.box->setText("1 000");
        QCOMPARE(bound.edit.text(), QStringLiteral("1000"));
        QCOMPARE(seen, (std::vector<std::string>{"1000", "1000"}));
    }

    void typingTheSameTextOverASelectionStillRaisesTheChange() {
        BoundEdit bound(7, QStringLiteral("0"));
        bound.edit.selectAll();
        QTest::keyClick(&bound.edit, Qt::Key_0);
        QCOMPARE(bound.edit.text(), QStringLiteral("0"));
        QCOMPARE(bound.changes, 1);
    }

    void typingLimit_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("changes");
        QTest::addColumn<int>("beeps");
        const int none = Qt::NoModifier;
        QTest::newRow("second character refused")
            << 1 << "" << false << "57" << none << "5" << 1 << 1;
        QTest::newRow("typing over the selection replaces it")
            << 1 << "5" << true << "7" << none << "7" << 1 << 0;
        QTest::newRow("full box refuses with a beep")
            << 3 << "123" << false << "4" << none << "123" << 0 << 1;
        QTest::newRow("longer text written by code refuses more")
            << 1 << "00" << false << "5" << none << "00" << 0 << 1;
        QTest::newRow("longer text written by code can be typed over")
            << 1 << "00" << true << "5" << none << "5" << 1 << 0;
        QTest::newRow("up to the limit")
            << 7 << "" << false << "12345678" << none << "1234567" << 7 << 1;
        QTest::newRow("Ctrl+Alt types, within the limit too")
            << 5 << "1234" << false << "999" << int(Qt::ControlModifier | Qt::AltModifier)
            << "12349" << 1 << 2;
        QTest::newRow("Ctrl types nothing and is no refusal")
            << 5 << "12345" << false << "9" << int(Qt::ControlModifier) << "12345" << 0 << 0;
    }

    void typingLimit() {
        QFETCH(int, limit);
        QFETCH(QString, start);
        QFETCH(bool, selectAll);
        QFETCH(QString, typed);
        QFETCH(int, modifiers);
        QFETCH(QString, result);
        QFETCH(int, changes);
        QFETCH(int, beeps);
        BoundEdit bound(limit, start);
        if (selectAll)
            bound.edit.selectAll();
        else
            bound.edit.end(false);
        QTest::keyClicks(&bound.edit, typed, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(bound.edit.text(), result);
        QCOMPARE(bound.changes, changes);
        QCOMPARE(beeps_, beeps);
        const auto* hint = qobject_cast<const QLabel*>(widgets::HintOf(bound.edit));
        QCOMPARE(hint && !hint->isHidden() ? hint->text() : QString(),
                 beeps > 0 ? QStringLiteral("This box takes up to %1 characters.").arg(limit) : "");
    }

    void codeWritesAreStoredWhole() {
        BoundEdit bound(1, QStringLiteral("0"));
        bound.box->setText("00");
        QCOMPARE(bound.edit.text(), QStringLiteral("00"));
        bound.box->setText("100000");
        QCOMPARE(bound.edit.text(), QStringLiteral("100000"));
    }

    void paste_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("beeps");
        QTest::newRow("fits the room left") << "12" << false << "345"
                                            << "12345" << 0;
        QTest::newRow("too long for the room left is refused whole") << "12" << false << "3456"
                                                                     << "12" << 1;
        QTest::newRow("replacing the selection") << "12345" << true << "98765"
                                                 << "98765" << 0;
        QTest::newRow("too long for the selection") << "12345" << true << "9876543"
                                                    << "12345" << 1;
        QTest::newRow("full box takes nothing") << "12345" << false << "6"
                                                << "12345" << 1;
        QTest::newRow("first line, LF") << "" << false << "250\n17"
                                        << "250" << 0;
        QTest::newRow("first line, CR LF") << "" << false << "250\r\n17"
                                           << "250" << 0;
        QTest::newRow("first line, CR") << "" << false << "250\r17"
                                        << "250" << 0;
        QTest::newRow("blanks take no room, and are kept for the box to handle")
            << "" << false << "1 000 0"
            << "1 000 0" << 0;
    }

    void paste() {
        QFETCH(QString, start);
        QFETCH(bool, selectAll);
        QFETCH(QString, clipboard);
        QFETCH(QString, result);
        QFETCH(int, beeps);
        BoundEdit bound(5, start);
        if (selectAll)
            bound.edit.selectAll();
        else
            bound.edit.end(false);
        QApplication::clipboard()->setText(clipboard);
        QTest::keySequence(&bound.edit, QKeySequence::Paste);
        QCOMPARE(bound.edit.text(), result);
        QCOMPARE(beeps_, beeps);
    }

    void theContextMenusPasteIsLimitedToo() {
        BoundEdit bound(3, QStringLiteral("1"));
        bound.edit.end(false);
        QApplication::clipboard()->setText(QStringLiteral("2345"));
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  bound.edit.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&bound.edit, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const auto actions = menu->actions();
        const auto pasteAction = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->text().startsWith(QStringLiteral("&Paste"));
        });
        QVERIFY(pasteAction != actions.end());
        (*pasteAction)->trigger();
        menu->close();
        QCOMPARE(bound.edit.text(), QStringLiteral("1"));
        QCOMPARE(beeps_, 1);
    }

    // The engine counts characters; QLineEdit counts UTF-16 units, two for this emoji.
    void selectionsCountCharacters() {
        BoundEdit bound(7, QStringLiteral("a\U0001F600b"));
        bound.box->setSelection(1, 1);
        QCOMPARE(bound.edit.selectedText(), QStringLiteral("\U0001F600"));
        QCOMPARE(bound.box->selectionStart(), 1);
        QCOMPARE(bound.box->selectionLength(), 1);
        bound.box->setSelection(2, 0);
        QVERIFY(!bound.edit.hasSelectedText());
        QCOMPARE(bound.edit.cursorPosition(), 3);
        QCOMPARE(bound.box->selectionStart(), 2);
        QCOMPARE(bound.box->selectionLength(), 0);
    }

    void typingLimitCountsCharacters() {
        BoundEdit bound(2, QStringLiteral("\U0001F600"));
        bound.edit.end(false);
        QTest::keyClicks(&bound.edit, QStringLiteral("12"));
        QCOMPARE(bound.edit.text(), QStringLiteral("\U0001F6001"));
    }
};

QTEST_MAIN(LineEditBoxTest)
#include "line_edit_box_test.moc"
