// SPDX-License-Identifier: MIT
// A page as text and structure: what is read, selected, copied and stopped at, without a pane.
#include "pages/page_address.h"
#include "pages/pane_keys.h"
#include "tests/pages/test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStringList>
#include <QTest>
#include <memory>

namespace {

// The accessible tree in one line: Role:name, children in brackets. Paragraphs, list items
// and loose text carry no name: a reader reads them through the page's text.
QString Outline(QAccessibleInterface* parent) {
    static const std::pair<QAccessible::Role, const char*> kRoles[] = {
        {QAccessible::StaticText, "Text"}, {QAccessible::Paragraph, "P"},
        {QAccessible::Heading, "H"},       {QAccessible::List, "List"},
        {QAccessible::ListItem, "Item"},   {QAccessible::Link, "Link"},
        {QAccessible::Graphic, "Img"},
    };
    QStringList parts;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* node = parent->child(i);
        QString part = QStringLiteral("?");
        for (const auto& [role, name] : kRoles) {
            if (node->role() == role)
                part = QLatin1String(name);
        }
        if (!node->text(QAccessible::Name).isEmpty())
            part += u':' + node->text(QAccessible::Name);
        if (node->childCount() > 0)
            part += u'[' + Outline(node) + u']';
        parts.append(part);
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

class PageTextTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    pages::WebPane* pane = nullptr;

    // Shows body in the pane, sized size, and waits until it is laid out.
    void page(const QByteArray& body, QSize size = {400, 300}) {
        pane->resize(size);
        QVERIFY(pages_test::ShowHtml(*pane,
                                     "<html><body style=\"font-family:Verdana; font-size:10pt\">" +
                                         body + "</body></html>",
                                     pages::PageAddress(pages::kHelpSuffix)));
    }

    QAccessibleInterface* accessible() const { return QAccessible::queryAccessibleInterface(pane); }
    QAccessibleTextInterface* text() const { return accessible()->textInterface(); }
    QString wholeText() const { return text()->text(0, text()->characterCount()); }

    // The piece of the text of the given kind around offset.
    QString pieceAt(int offset, QAccessible::TextBoundaryType boundary) const {
        int start = 0;
        int end = 0;
        return text()->textAtOffset(offset, boundary, &start, &end);
    }

    // Where the character at offset is drawn, in the pane's visible area.
    QRect characterInView(int offset) const {
        const QRect onScreen = text()->characterRect(offset);
        return QRect(pane->viewport()->mapFromGlobal(onScreen.topLeft()), onScreen.size());
    }

private slots:
    void init() {
        window = std::make_unique<QWidget>();
        window->resize(700, 700);
        pane = new pages::WebPane(window.get());
        // Somewhere for Tab to go after the pane's last link.
        new QLineEdit(window.get());
        pane->move(0, 30);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void textInReadingOrder_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks collapse") << QByteArray("<p>one  \n two</p>") << "one two";
        QTest::newRow("blocks break") << QByteArray("<p>one</p><p>two</p>") << "one\ntwo";
        QTest::newRow("inline runs on")
            << QByteArray("<p>a <b>bold</b> <a href=\"#\">link</a>.</p>") << "a bold link.";
        QTest::newRow("list items") << QByteArray("<ul><li>x</li><li>y</li></ul>") << "x\ny";
        QTest::newRow("cells") << QByteArray("<table><tr><td>a</td><td>b</td></tr></table>")
                               << "a\nb";
        QTest::newRow("line break") << QByteArray("<p>a<br>b</p>") << "a\nb";
        QTest::newRow("hidden") << QByteArray("<p>a<span style=\"display:none\">x</span></p>")
                                << "a";
        QTest::newRow("image") << QByteArray("<p>a <img alt=\"pic\"> b</p>") << "a b";
    }
    void textInReadingOrder() {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        page(body);
        QCOMPARE(wholeText(), text);
    }

    void wordsAndBlocks_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("block");
        // "CTR = (# of Clicks / CTR)\nnext line"
        QTest::newRow("word start") << 0 << "CTR"
                                    << "CTR = (# of Clicks / CTR)";
        QTest::newRow("inside a word") << 13 << "Clicks"
                                       << "CTR = (# of Clicks / CTR)";
        QTest::newRow("bracket alone") << 6 << "("
                                       << "CTR = (# of Clicks / CTR)";
        QTest::newRow("second block") << 32 << "line"
                                      << "next line";
        QTest::newRow("end of text") << 35 << "line"
                                     << "next line";
        QTest::newRow("the break between blocks") << 25 << "\n"
                                                  << "CTR = (# of Clicks / CTR)";
    }
    void wordsAndBlocks() {
        QFETCH(int, offset);
        QFETCH(QString, word);
        QFETCH(QString, block);
        page("<p>CTR = (# of Clicks / CTR)</p><p>next line</p>");
        QCOMPARE(pieceAt(offset, QAccessible::WordBoundary), word);
        // A paragraph comes with the line break that ends it.
        QString paragraph = pieceAt(offset, QAccessible::ParagraphBoundary);
        if (paragraph.endsWith(u'\n'))
            paragraph.chop(1);
        QCOMPARE(paragraph, block);
    }

    // Every line is found again where it is drawn, and lines follow the layout's wrapping,
    // even where lines are drawn closer than their words are high.
    void linesFollowTheLayout_data() {
        QTest::addColumn<QByteArray>("style");
        QTest::newRow("as the page sets them") << QByteArray();
        QTest::newRow("one pixel apart") << QByteArray("line-height:1px");
    }
    void linesFollowTheLayout() {
        QFETCH(QByteArray, style);
        page("<p style=\"" + style + "\">" + QByteArray("many words wrap here ").repeated(8) +
                 "</p><p>last</p>",
             {150, 300});
        const auto lineStarts = [this] {
            std::vector<int> starts;
            for (int offset = 0; offset < text()->characterCount();) {
                int start = 0;
                int end = 0;
                text()->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
                starts.push_back(start);
                offset = end;
            }
            return starts;
        };
        const std::vector<int> narrow = lineStarts();
        QVERIFY(narrow.size() > 4);
        int previousTop = -1;
        for (const int start : narrow) {
            const QRect box = text()->characterRect(start);
            // Lines drawn over each other share their points: none of them is found by one.
            if (style.isEmpty())
                QCOMPARE(text()->offsetAtPoint(box.topLeft() + QPoint(0, 1)), start);
            QVERIFY(box.top() > previousTop);
            previousTop = box.top();
        }
        QCOMPARE(wholeText().mid(narrow.back()), "last");
        // Laid out wider, the same text has fewer lines.
        const QString narrowText = wholeText();
        pane->resize(600, 300);
        QCoreApplication::processEvents();
        QVERIFY(lineStarts().size() < narrow.size());
        QCOMPARE(wholeText(), narrowText);
    }

    void characterRectsFollowTheText() {
        page("<p>select me</p>");
        // "select", then the blank right after it, then "me".
        QCOMPARE(characterInView(5).right() + 1, characterInView(6).left());
        QVERIFY(characterInView(1).left() > characterInView(0).left());
        QVERIFY(characterInView(1).right() < characterInView(5).right());
        QVERIFY(characterInView(7).left() > characterInView(6).left());
    }

    void copiedHtmlKeepsTheStructure_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("html");
        QTest::newRow("all") << QByteArray("<p>go <b>bold</b></p><ol><li>1 &lt; 2</li></ol>") << 0
                             << 99 << "<p>go <b>bold</b></p><ol><li>1 &lt; 2</li></ol>";
        QTest::newRow("part of a word")
            << QByteArray("<p>go <b>bold</b></p>") << 4 << 6 << "<p><b>ol</b></p>";
        QTest::newRow("link and colour")
            << QByteArray("<p><a href=\"#\" id=\"x\">a</a> <font color=\"#0000FF\">b</font></p>")
            << 0 << 3 << "<p><a href=\"#\">a</a> <font color=\"#0000FF\">b</font></p>";
    }
    void copiedHtmlKeepsTheStructure() {
        QFETCH(QByteArray, body);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, html);
        page(body);
        pane->select(from, to);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QCOMPARE(copied->html(), html);
    }

    void selectionByPresses_data() {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("extend");
        QTest::addColumn<QString>("selected");
        QTest::newRow("click") << 1 << false << "";
        QTest::newRow("shift click") << 1 << true << "alpha be";
        QTest::newRow("double click") << 2 << false << "beta";
        QTest::newRow("triple click") << 3 << false << "alpha beta gamma";
    }
    void selectionByPresses() {
        QFETCH(int, clicks);
        QFETCH(bool, extend);
        QFETCH(QString, selected);
        page("<p>alpha beta gamma</p><p>next</p>");
        const QRect inBeta = characterInView(8); // between "be" and "ta"
        const QPoint at(inBeta.left(), inBeta.center().y());
        QWidget* viewport = pane->viewport();
        if (clicks == 1)
            QTest::mouseClick(viewport, Qt::LeftButton, extend ? Qt::ShiftModifier : Qt::NoModifier,
                              at);
        else
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        if (clicks == 3)
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QCOMPARE(pane->selectedText(), selected);
    }

    void nodesCarryTheirRoles_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("outline");
        QTest::newRow("headings")
            << QByteArray("<h1>Top</h1><table><tr><td role=\"heading\">Band</td></tr></table>")
            << "H:Top; H:Band";
        QTest::newRow("level of a band")
            << QByteArray("<p role=\"heading\" aria-level=\"3\"><b>Sub</b></p>") << "H:Sub";
        QTest::newRow("list") << QByteArray("<ol><li>a</li><li>b <a href=\"#\">c</a></li></ol>")
                              << "List[Item; Item[Link:c]]";
        QTest::newRow("paragraph with link and image")
            << QByteArray("<p>see <a href=\"#\"><img alt=\"Pic\"></a> here</p>")
            << "P[Link:Pic[Img:Pic]]";
        QTest::newRow("loose text around a link")
            << QByteArray("<div>before <a href=\"#\">go</a> after</div>") << "Text; Link:go; Text";
        QTest::newRow("tables leave no node")
            << QByteArray("<table><tr><td><p>in</p></td><td>loose</td></tr></table>") << "P; Text";
    }
    void nodesCarryTheirRoles() {
        QFETCH(QByteArray, body);
        QFETCH(QString, outline);
        page(body);
        QCOMPARE(Outline(accessible()), outline);
    }

    void linkStopsInDocumentOrder() {
        page("<p><a href=\"#\" id=\"1\"><img alt=\"x\"></a> <a>no href</a> "
             "<a href=\"#\" id=\"2\">two</a></p><p><a href=\"#\" "
             "id=\"3\" style=\"display:none\">hidden</a></p>");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto idOfFocus = [this] {
            return pane->focusedLink() ? pane->focusedLink()->id : QString();
        };
        // Tab enters the pane at its first link (the window gave it the focus some other way).
        pane->clearFocus();
        pane->setFocus(Qt::TabFocusReason);
        QStringList forward;
        while (pane->hasFocus()) {
            forward.append(idOfFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(forward, (QStringList{"1", "2"}));
        QVERIFY(!pane->focusedLink());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(pane->hasFocus());
        QCOMPARE(idOfFocus(), "2");
        QVERIFY(!pane->focusRects().empty());
    }

    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("repeat");
        using pages::PaneKey;
        const auto row = [](const char* name, int key, Qt::KeyboardModifiers modifiers,
                            PaneKey action, bool repeat = false) {
            QTest::newRow(name) << key << int(modifiers) << int(action) << repeat;
        };
        row("Enter", Qt::Key_Return, Qt::NoModifier, PaneKey::Activate);
        row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, PaneKey::Activate);
        row("Ctrl+A", Qt::Key_A, Qt::ControlModifier, PaneKey::SelectAll);
        row("Ctrl+C", Qt::Key_C, Qt::ControlModifier, PaneKey::Copy);
        row("Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, PaneKey::Copy);
        row("Up", Qt::Key_Up, Qt::NoModifier, PaneKey::LineUp);
        row("Down", Qt::Key_Down, Qt::NoModifier, PaneKey::LineDown);
        row("Left", Qt::Key_Left, Qt::NoModifier, PaneKey::Left);
        row("Right", Qt::Key_Right, Qt::NoModifier, PaneKey::Right);
        row("Page Up", Qt::Key_PageUp, Qt::NoModifier, PaneKey::PageUp);
        row("Page Down", Qt::Key_PageDown, Qt::NoModifier, PaneKey::PageDown);
        row("Space", Qt::Key_Space, Qt::NoModifier, PaneKey::PageDown);
        row("Shift+Space", Qt::Key_Space, Qt::ShiftModifier, PaneKey::PageUp);
        row("Home", Qt::Key_Home, Qt::NoModifier, PaneKey::Top);
        row("Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, PaneKey::Top);
        row("End", Qt::Key_End, Qt::NoModifier, PaneKey::Bottom);
        row("Ctrl+End", Qt::Key_End, Qt::ControlModifier, PaneKey::Bottom);
        row("Alt+Down is the window's", Qt::Key_Down, Qt::AltModifier, PaneKey::None);
        row("Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, PaneKey::None);
        row("Tab moves the focus", Qt::Key_Tab, Qt::NoModifier, PaneKey::None);
        row("letters", Qt::Key_A, Qt::NoModifier, PaneKey::None);
        row("Ctrl+Space", Qt::Key_Space, Qt::ControlModifier, PaneKey::None);
        row("Enter held down opens once", Qt::Key_Return, Qt::NoModifier, PaneKey::None, true);
        row("Down held down goes on", Qt::Key_Down, Qt::NoModifier, PaneKey::LineDown, true);
    }
    void keys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, action);
        QFETCH(bool, repeat);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(),
                              repeat);
        QCOMPARE(int(pages::PaneKeyFor(event)), action);
    }
};

QTEST_MAIN(PageTextTest)
#include "page_text_test.moc"
