// SPDX-License-Identifier: MIT
// A box's caret news with the accessibility bridge on, as under a screen reader: the only
// place news goes out at all. CTest runs this on a session bus of its own with the bridge
// forced on; elsewhere it skips.
#include "frm_main_fixture.h"

#include <QAccessible>

namespace {

std::vector<int> caretNews;

// The news that the window's quiet rules let through, up to the bridge, which this test does
// not need: installed before any window installs those rules, it is the last in their chain.
void Record(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextCaretMoved)
        caretNews.push_back(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
}
const QAccessible::UpdateHandler kBeforeRecording = QAccessible::installUpdateHandler(&Record);

} // namespace

class CaretNewsTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    // A warning about a typo selects the whole figure: readers hear the selection as the
    // warning closes, and no caret moved, which they would take for the user's own keys.
    void noCaretNewsAfterAWarningsSelection() {
        if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
            QSKIP("needs the accessibility bridge on a session bus");
        typeInto("txtECPM", QStringLiteral("3.1"));
        caretNews.clear();
        QTest::keyClick(&box("txtECPM"), Qt::Key_X);
        QCOMPARE(messages->messages.size(), 1u);
        QVERIFY(box("txtECPM").hasSelectedText());
        QCOMPARE(caretNews, std::vector<int>());
    }
};

QTEST_MAIN(CaretNewsTest)
#include "caret_news_test.moc"
