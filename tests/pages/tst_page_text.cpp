// SPDX-License-Identifier: MIT
// A page as text and structure: what is read, selected, copied and stopped at, without a pane.
#include <QKeyEvent>
#include <QStringList>
#include <QTest>
#include <page_address.h>
#include <page_document.h>
#include <pane_keys.h>

namespace {

std::shared_ptr<pages::PageDocument> Page(const QByteArray& body, QSize size = {400, 300}) {
    return pages::PageDocument::create(
        "<html><body style=\"font-family:Verdana; font-size:10pt\">" + body + "</body></html>",
        pages::PageAddress(pages::kHelpSuffix), size);
}

// The node tree in one line: Kind:name, children in brackets.
QString Outline(const std::vector<pages::PageNode>& nodes) {
    static const char* const kKinds[] = {"Text", "P", "H", "List", "Item", "Link", "Img"};
    QStringList parts;
    for (const pages::PageNode& node : nodes) {
        QString part = QLatin1String(kKinds[static_cast<int>(node.kind)]);
        if (node.level)
            part += QString::number(node.level);
        if (!node.name.isEmpty())
            part += u':' + node.name;
        if (!node.children.empty())
            part += u'[' + Outline(node.children) + u']';
        parts.append(part);
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

class PageTextTest : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(Page(body)->text().text(), text);
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
        const auto page = Page("<p>CTR = (# of Clicks / CTR)</p><p>next line</p>");
        const QString& text = page->text().text();
        const auto [wordStart, wordEnd] = page->text().wordAt(offset);
        QCOMPARE(text.mid(wordStart, wordEnd - wordStart), word);
        const auto [blockStart, blockEnd] = page->text().blockAt(offset);
        QCOMPARE(text.mid(blockStart, blockEnd - blockStart), block);
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
        const auto page =
            Page("<p style=\"" + style + "\">" + QByteArray("many words wrap here ").repeated(8) +
                     "</p><p>last</p>",
                 {150, 300});
        const pages::PageText& text = page->text();
        QVERIFY(text.lineCount() > 4);
        for (int line = 0; line < text.lineCount(); ++line) {
            const QRect box = text.lineBox(line);
            // Lines drawn over each other share their points: none of them is found by one.
            if (style.isEmpty())
                QCOMPARE(text.offsetAt(box.topLeft() + QPoint(0, 1)), text.lineStart(line));
            QCOMPARE(text.lineOf(text.lineStart(line)), line);
            if (line > 0)
                QVERIFY(box.top() > text.lineBox(line - 1).top());
        }
        QCOMPARE(text.text().mid(text.lineStart(text.lineCount() - 1)), "last");
        // Laid out wider, the same text has fewer lines.
        const int narrowLines = text.lineCount();
        const QString narrowText = text.text();
        page->layout({600, 300});
        QVERIFY(page->text().lineCount() < narrowLines);
        QCOMPARE(page->text().text(), narrowText);
    }

    void selectionRectsCoverTheText() {
        const auto page = Page("<p>select me</p>");
        const std::vector<QRect> rects = page->text().rangeRects(0, 9);
        QCOMPARE(rects.size(), size_t(3)); // "select", " ", "me"
        QCOMPARE(rects[0].right() + 1, rects[1].left());
        QVERIFY(page->text().characterRect(1).left() > rects[0].left());
        QVERIFY(page->text().characterRect(1).right() < rects[0].right());
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
        QCOMPARE(Page(body)->text().html(from, to), html);
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
        const auto page = Page("<p>alpha beta gamma</p><p>next</p>");
        const QRect inBeta = page->text().characterRect(8); // between "be" and "ta"
        page->select(0, 0);
        QVERIFY(page->pressAt(QPoint(inBeta.left(), inBeta.center().y()), clicks, extend) ||
                selected.isEmpty());
        QCOMPARE(page->selectedText(), selected);
    }

    void nodesCarryTheirRoles_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("outline");
        QTest::newRow("headings")
            << QByteArray("<h1>Top</h1><table><tr><td role=\"heading\">Band</td></tr></table>")
            << "H1:Top; H2:Band";
        QTest::newRow("level of a band")
            << QByteArray("<p role=\"heading\" aria-level=\"3\"><b>Sub</b></p>") << "H3:Sub";
        QTest::newRow("list") << QByteArray("<ol><li>a</li><li>b <a href=\"#\">c</a></li></ol>")
                              << "List[Item:a; Item:b c[Link:c]]";
        QTest::newRow("paragraph with link and image")
            << QByteArray("<p>see <a href=\"#\"><img alt=\"Pic\"></a> here</p>")
            << "P:see Pic here[Link:Pic[Img:Pic]]";
        QTest::newRow("loose text around a link")
            << QByteArray("<div>before <a href=\"#\">go</a> after</div>")
            << "Text:before; Link:go; Text:after";
        QTest::newRow("tables leave no node")
            << QByteArray("<table><tr><td><p>in</p></td><td>loose</td></tr></table>")
            << "P:in; Text:loose";
    }
    void nodesCarryTheirRoles() {
        QFETCH(QByteArray, body);
        QFETCH(QString, outline);
        QCOMPARE(Outline(Page(body)->nodes()), outline);
    }

    void linkStopsInDocumentOrder() {
        const auto page = Page("<p><a href=\"#\" id=\"1\"><img alt=\"x\"></a> <a>no href</a> "
                               "<a href=\"#\" id=\"2\">two</a></p><p><a href=\"#\" "
                               "id=\"3\" style=\"display:none\">hidden</a></p>");
        QCOMPARE(page->linkStops().size(), size_t(2));
        const auto idOfFocus = [&] {
            return page->focusedLink() ? QString::fromUtf8(page->focusedLink()->get_attr("id"))
                                       : QString();
        };
        QStringList forward;
        while (page->focusNextLink(true))
            forward.append(idOfFocus());
        QCOMPARE(forward, (QStringList{"1", "2"}));
        QVERIFY(!page->focusedLink());
        QVERIFY(page->focusNextLink(false));
        QCOMPARE(idOfFocus(), "2");
        QVERIFY(!page->focusRects().empty());
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
#include "tst_page_text.moc"
