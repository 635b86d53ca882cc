// SPDX-License-Identifier: MIT
// Caret news as a screen reader hears it: CTest runs this with the accessibility bridge on,
// the only way news goes out at all; without one it skips, as it does without an X display.
#include "tests/mainwindow/frm_main_fixture.h"
#include "tests/support/x_client.h"

#include <QAccessible>
#include <cstdio>

namespace {

// Installed before any window's quiet rules, so it hears only what those let through.
std::vector<int> caretNews;
const QAccessible::UpdateHandler kUnused =
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::TextCaretMoved)
            caretNews.push_back(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
    });

} // namespace

class CaretNewsTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    // A warning's selection is told as a selection, not as a caret the user moved.
    void noCaretNewsAfterAWarningsSelection() {
        if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
            QSKIP("needs the accessibility bridge on a session bus");
        typeInto("txtECPM", QStringLiteral("3.1"));
        caretNews.clear();
        QTest::keyClick(&box("txtECPM"), Qt::Key_X);
        QCOMPARE(messages->messages.size(), 1u);
        QCOMPARE(caretNews, std::vector<int>());
    }
};

// The bridge comes with Qt's X platform, which ends the program where there is no X display,
// before a test could skip: the skip is said here, with the code CTest counts as a skip.
int main(int argc, char* argv[]) {
    // Held open: a display whose last client goes resets, refusing the next one for a moment.
    const XClient display;
    if (!display.ok()) {
        std::puts("SKIP   : needs an X display (the test suite runs under xvfb-run)");
        return 77;
    }
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    CaretNewsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "caret_news_test.moc"
