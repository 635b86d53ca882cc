// SPDX-License-Identifier: MIT
// The five panes used by keyboard and for reading, through real key and mouse events: Tab
// from link to link, Enter, the scrolling keys, selecting and copying text.
#include "pages/page_address.h"
#include "tests/pages/test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using pages_test::PagesWindow;
using pages_test::WaitForPage;

namespace {

// The focused link of pane as a reader names it: its text, or the alternative text of its
// image.
QString LinkName(pages::WebPane* pane) {
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(pane)->focusChild();
    return link ? link->text(QAccessible::Name) : QString();
}

pages::WebPane* FocusedPane() {
    return qobject_cast<pages::WebPane*>(QApplication::focusWidget());
}

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

struct Stop {
    const char* pane;
    const char* link;
    const char* id;
};

// The link stops of the four recommendation pages in Tab order.
constexpr Stop kStops[] = {
    {"ucVarnelGold", "Varnel Gold picture", "idx_gold"},
    {"ucVarnelGold", "Varnel Gold", "idx_gold"},
    {"ucVarnelGold", "see what Varnel Gold can do", "idx_gold"},
    {"ucVarnelVideos", "Varnel Videos picture", "idx_vid"},
    {"ucVarnelVideos", "Varnel Videos", "idx_vid"},
    {"ucVarnelVideos", "real sites, step by step", "idx_vid"},
    {"ucVarnelVideos", "Watch the first lesson free", "idx_vid"},
    {"ucSEOZorvik", "SEO Zorvik picture", "idx_seo"},
    {"ucSEOZorvik", "SEO Zorvik", "idx_seo"},
    {"ucSEOZorvik", "Try SEO Zorvik", "idx_seo"},
    {"ucMarlo", "Marlo Vesk picture", "idx_marlo"},
    {"ucMarlo", "Marlo Vesk", "idx_marlo"},
    {"ucMarlo", "content readers share", "idx_marlo"},
    {"ucMarlo", "Read a sample chapter", "idx_marlo"},
};

} // namespace

class PaneKeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PagesWindow> w;

    // Gives the help pane the focus as a click would; from there Tab goes on to the others.
    void focusHelp() {
        w->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w->window));
        w->panes.help->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), w->panes.help);
    }

    QPoint scroll() const { return w->panes.help->scrollPosition(); }

private slots:
    void init() {
        w = std::make_unique<PagesWindow>();
        focusHelp();
    }
    void cleanup() { w.reset(); }

    void tabReachesEveryLinkAndEnterOpensIt_data() {
        QTest::addColumn<int>("stop");
        for (int stop = 0; stop < int(std::size(kStops)); ++stop)
            QTest::addRow("%d %s %s", stop + 1, kStops[stop].pane, kStops[stop].link) << stop;
    }
    void tabReachesEveryLinkAndEnterOpensIt() {
        QFETCH(int, stop);
        const Stop& expected = kStops[stop];
        for (int i = 0; i <= stop; ++i)
            Press(Qt::Key_Tab);
        pages::WebPane* pane = FocusedPane();
        QVERIFY(pane);
        QCOMPARE(pane->objectName(), expected.pane);
        QVERIFY(pane->focusedLink());
        QCOMPARE(LinkName(pane), expected.link);
        // The focused link is brought into view.
        for (const QRect& box : pane->focusRects())
            QVERIFY(QRect(pane->scrollPosition(), pane->viewport()->size()).contains(box));

        QSignalSpy complete(pane, &pages::WebPane::documentComplete);
        Press(Qt::Key_Return);
        QCOMPARE(w->clicks.size(), size_t(1));
        QCOMPARE(w->clicks.front().tagName, "A");
        QCOMPARE(w->clicks.front().id, expected.id);
        QCoreApplication::processEvents();
        QCOMPARE(complete.count(), 0); // nothing navigated
    }

    void shiftTabGoesBack() {
        w->panes.marlo->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(LinkName(w->panes.marlo), "Read a sample chapter");
        QStringList reached;
        for (int i = 0; i < 4; ++i) {
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            reached.append(FocusedPane()->objectName() + u':' + LinkName(FocusedPane()));
        }
        QCOMPARE(reached,
                 (QStringList{"ucMarlo:content readers share", "ucMarlo:Marlo Vesk",
                              "ucMarlo:Marlo Vesk picture", "ucSEOZorvik:Try SEO Zorvik"}));
    }

    // The help page has no links: it is one stop, and Tab leaves it at once.
    void helpPageIsOneStop() {
        w->panes.help->clearFocus();
        w->panes.help->setFocus(Qt::TabFocusReason);
        QVERIFY(!w->panes.help->focusedLink());
        Press(Qt::Key_Tab);
        QCOMPARE(FocusedPane(), w->panes.gold);
    }

    void enterOnAForeignLinkTellsItsId() {
        QVERIFY(pages_test::ShowHtml(
            *w->panes.gold,
            "<html><body><p><a href=\"#\" id=\"idx_other\">foreign</a></p></body></html>",
            pages::PageAddress(pages::kGoldSuffix)));
        Press(Qt::Key_Tab);
        QCOMPARE(FocusedPane(), w->panes.gold);
        Press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w->clicks.size(), size_t(1));
        QCOMPARE(w->clicks.front().id, "idx_other");
    }

    void focusedLinkIsFramed() {
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab); // the "Varnel Gold" text link
        pages::WebPane& gold = *w->panes.gold;
        const QRect box = gold.focusRects().front().translated(-gold.scrollPosition());
        const QImage shown = gold.viewport()->grab().toImage();
        const QColor frame = gold.palette().color(QPalette::Text);
        int framed = 0;
        for (int x = box.left(); x <= box.right(); ++x)
            framed += shown.pixelColor(x, box.top()) == frame;
        // Dotted: about every other pixel of the top edge.
        QVERIFY2(framed > box.width() / 3 && framed < box.width() * 2 / 3 + 1,
                 qPrintable(QString::number(framed)));

        gold.clearFocus();
        QCoreApplication::processEvents();
        const QImage unfocused = gold.viewport()->grab().toImage();
        QVERIFY(unfocused.pixelColor(box.topLeft()) != frame ||
                unfocused.pixelColor(box.topLeft() + QPoint(1, 0)) != frame);
    }

    void scrollingKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("fromBottom");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << false << "lower";
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << true << "higher";
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << false << "a page lower";
        QTest::newRow("Space") << int(Qt::Key_Space) << 0 << false << "a page lower";
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << true << "higher";
        QTest::newRow("Shift+Space")
            << int(Qt::Key_Space) << int(Qt::ShiftModifier) << true << "higher";
        QTest::newRow("End") << int(Qt::Key_End) << 0 << false << "bottom";
        QTest::newRow("Ctrl+End") << int(Qt::Key_End) << int(Qt::ControlModifier) << false
                                  << "bottom";
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << true << "top";
        QTest::newRow("Ctrl+Home")
            << int(Qt::Key_Home) << int(Qt::ControlModifier) << true << "top";
        QTest::newRow("Right") << int(Qt::Key_Right) << 0 << false << "right";
    }
    void scrollingKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, fromBottom);
        QFETCH(QString, expected);
        QScrollBar* vertical = w->panes.help->verticalScrollBar();
        const int bottom = vertical->maximum();
        QVERIFY(bottom > 0);
        if (fromBottom)
            Press(Qt::Key_End);
        const QPoint before = scroll();
        Press(key, Qt::KeyboardModifiers(modifiers));
        const QPoint after = scroll();
        if (expected == "lower")
            QVERIFY(after.y() > before.y() && after.y() < before.y() + vertical->pageStep());
        else if (expected == "a page lower")
            QCOMPARE(after.y(), std::min(before.y() + vertical->pageStep(), bottom));
        else if (expected == "higher")
            QVERIFY(after.y() < before.y());
        else if (expected == "bottom")
            QCOMPARE(after.y(), bottom);
        else if (expected == "top")
            QCOMPARE(after, QPoint(0, 0));
        else if (expected == "right")
            QVERIFY(after.x() > before.x() && after.y() == before.y());
    }

    void selectAllAndCopy_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("first heading") << "Legend\nImpressions - how many times";
        for (const char* formula :
             {"CTR = (# of Clicks / # of Impressions)", "# of Clicks = (# of Impression x CTR)",
              "# of Impressions = (# of Clicks / CTR)",
              "Earnings = eCPM x (# of Impressions / 1000)", "EPC = (Earnings / # of Clicks)"})
            QTest::newRow(formula) << QString::fromLatin1(formula);
    }
    void selectAllAndCopy() {
        QFETCH(QString, text);
        QGuiApplication::clipboard()->clear();
        Press(Qt::Key_A, Qt::ControlModifier);
        Press(Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QVERIFY2(copied->text().contains(text), qPrintable(copied->text()));
        QVERIFY(copied->text().endsWith("EPC = (Earnings / # of Clicks)"));
        QVERIFY(copied->hasHtml());
        QVERIFY(copied->html().contains("<li><font color=\"#0000FF\">" + text.toHtmlEscaped()) ||
                !text.contains(u'='));
    }

    void mouseSelects_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("selected");
        QTest::newRow("drag") << "drag"
                              << "Impressions - how many";
        QTest::newRow("double click") << "double"
                                      << "many";
        QTest::newRow("triple click")
            << "triple"
            << "Impressions - how many times an ad is shown on your pages.";
        QTest::newRow("shift click extends") << "shift"
                                             << "Impressions - how many";
        QTest::newRow("click selects nothing") << "click"
                                               << "";
    }
    void mouseSelects() {
        QFETCH(QString, gesture);
        QFETCH(QString, selected);
        pages::WebPane& help = *w->panes.help;
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(&help)->textInterface();
        const int start =
            static_cast<int>(text->text(0, text->characterCount()).indexOf("Impressions - how"));
        const int many = start + 19; // the "a" of "many"
        const int afterMany = start + 22;
        const auto at = [&](int offset) {
            const QRect box = text->characterRect(offset);
            return help.viewport()->mapFromGlobal(QPoint(box.left() + 1, box.center().y()));
        };
        QWidget* viewport = help.viewport();
        if (gesture == "drag") {
            QTest::mousePress(viewport, Qt::LeftButton, {}, at(start));
            QTest::mouseMove(viewport, at(many - 5));
            QTest::mouseMove(viewport, at(afterMany));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(afterMany));
        } else if (gesture == "double") {
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at(many));
        } else if (gesture == "triple") {
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at(many));
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at(many));
        } else if (gesture == "shift") {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at(start));
            QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, at(afterMany));
        } else {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at(many));
        }
        QCOMPARE(help.selectedText(), selected);
        QVERIFY(w->clicks.empty());
    }

    // The selection is drawn in the pane's palette colours, whatever they are.
    void selectionTakesThePaletteColours() {
        pages::WebPane& help = *w->panes.help;
        QPalette palette = help.palette();
        palette.setColor(QPalette::Highlight, QColor(0, 200, 0));
        help.setPalette(palette);
        const auto countHighlight = [&] {
            const QImage shown = help.viewport()->grab().toImage();
            int count = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    count += shown.pixelColor(x, y) == QColor(0, 200, 0);
            return count;
        };
        QCOMPARE(countHighlight(), 0);
        Press(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(countHighlight() > 1000);
    }

    // A drag that starts on a link selects text and follows nothing.
    void dragFromALinkSelectsOnly() {
        pages::WebPane& gold = *w->panes.gold;
        const auto links = pages_test::Elements(gold, "a");
        const QRect link = links[1].lineBoxes.front().translated(-gold.scrollPosition());
        QTest::mousePress(gold.viewport(), Qt::LeftButton, {}, link.center());
        QTest::mouseMove(gold.viewport(), link.center() + QPoint(20, 0));
        QTest::mouseMove(gold.viewport(), link.center() + QPoint(-20, 0));
        QTest::mouseRelease(gold.viewport(), Qt::LeftButton, {}, link.center() + QPoint(-20, 0));
        QVERIFY(w->clicks.empty());
        QVERIFY(gold.hasSelection());
        // Without a drag the same press and release is a click.
        QTest::mouseClick(gold.viewport(), Qt::LeftButton, {}, link.center());
        QCOMPARE(w->clicks.size(), size_t(1));
    }
};

QTEST_MAIN(PaneKeyboardTest)
#include "pane_keyboard_test.moc"
