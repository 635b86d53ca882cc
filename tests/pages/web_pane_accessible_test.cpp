// SPDX-License-Identifier: MIT
// The pages as assistive technology sees them: text to read, links and images to press.
#include "pages/page_address.h"
#include "tests/pages/test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

using pages_test::PagesWindow;
using pages_test::WaitForPage;

namespace {

// The page's nodes in reading order, children after their parents.
QList<QAccessibleInterface*> Nodes(QAccessibleInterface* parent) {
    QList<QAccessibleInterface*> nodes;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        nodes.append(child);
        nodes.append(Nodes(child));
    }
    return nodes;
}

QStringList Names(const QList<QAccessibleInterface*>& nodes, QAccessible::Role role) {
    QStringList names;
    for (QAccessibleInterface* node : nodes) {
        if (node->role() == role)
            names.append(node->text(QAccessible::Name));
    }
    return names;
}

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

} // namespace

class WebPaneAccessibleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PagesWindow> w;

    QAccessibleInterface* page(const char* pane) const {
        return QAccessible::queryAccessibleInterface(
            w->window.findChild<pages::WebPane*>(QLatin1String(pane)));
    }

private slots:
    void init() {
        w = std::make_unique<PagesWindow>();
        w->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w->window));
    }
    void cleanup() { w.reset(); }

    void focusedLinkIsTheFocusedChild_data() {
        QTest::addColumn<QByteArray>("pane");
        QTest::addColumn<QStringList>("links");
        QTest::newRow("gold") << QByteArray("ucVarnelGold")
                              << QStringList{"Varnel Gold picture", "Varnel Gold",
                                             "see what Varnel Gold can do"};
        QTest::newRow("seo") << QByteArray("ucSEOZorvik")
                             << QStringList{"SEO Zorvik picture", "SEO Zorvik", "Try SEO Zorvik"};
    }
    void focusedLinkIsTheFocusedChild() {
        QFETCH(QByteArray, pane);
        QFETCH(QStringList, links);
        auto* shown = w->window.findChild<pages::WebPane*>(QLatin1String(pane));
        QVERIFY(!page(pane)->focusChild());
        shown->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 0; i < links.size(); ++i) {
            if (i > 0)
                Press(Qt::Key_Tab);
            QAccessibleInterface* focused = page(pane)->focusChild();
            QVERIFY(focused);
            QCOMPARE(focused->role(), QAccessible::Link);
            QCOMPARE(focused->text(QAccessible::Name), links[i]);
            QVERIFY(focused->state().focused);
            QVERIFY(focused->state().focusable);
        }
        // Only the focused one says so.
        int focusedLinks = 0;
        for (QAccessibleInterface* node : Nodes(page(pane)))
            focusedLinks += node->state().focused;
        QCOMPARE(focusedLinks, 1);
        shown->clearFocus();
        QVERIFY(!page(pane)->focusChild());
    }

    // Down moves the reader's caret a line at a time; the line at the caret is what a screen
    // reader says.
    void arrowKeysReadLineByLine_data() {
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("line");
        QTest::newRow("none") << 0 << "Legend";
        QTest::newRow("one") << 1 << "Impressions - how many times an ad is shown on your pages.";
        QTest::newRow("four") << 4 << "EPC - the earnings per click.";
        QTest::newRow("five") << 5 << "Quick Instructions";
        QTest::newRow("seven")
            << 7 << "your earnings are calculated automatically."; // a wrapped paragraph
    }
    void arrowKeysReadLineByLine() {
        QFETCH(int, downs);
        QFETCH(QString, line);
        w->panes.help->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < downs; ++i)
            Press(Qt::Key_Down);
        QAccessibleTextInterface* text = page("ucHelpDisplay")->textInterface();
        QVERIFY(text);
        int start = 0;
        int end = 0;
        const QString read =
            text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
        QVERIFY2(read.trimmed().endsWith(line), qPrintable(read));
        QCOMPARE(start, text->cursorPosition());
        // The next line starts where this one ends.
        int nextStart = 0;
        int nextEnd = 0;
        text->textAfterOffset(start, QAccessible::LineBoundary, &nextStart, &nextEnd);
        QCOMPARE(nextStart, end);
    }

    void wholeTextAndSelectionAreExposed() {
        w->panes.help->setFocus(Qt::TabFocusReason);
        QAccessibleTextInterface* text = page("ucHelpDisplay")->textInterface();
        const int length = text->characterCount();
        QVERIFY(text->text(0, length).startsWith("Legend\nImpressions"));
        QVERIFY(text->text(0, length).endsWith("EPC = (Earnings / # of Clicks)"));
        QCOMPARE(text->selectionCount(), 0);

        Press(Qt::Key_A, Qt::ControlModifier);
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(text->selectionCount(), 1);
        QCOMPARE(start, 0);
        QCOMPARE(end, length);

        text->setSelection(0, 0, 6);
        QCOMPARE(w->panes.help->selectedText(), "Legend");
        text->removeSelection(0);
        QCOMPARE(text->selectionCount(), 0);
        QVERIFY(!text->characterRect(1).isEmpty());
        QCOMPARE(text->offsetAtPoint(text->characterRect(1).center()), 1);
    }

    void sentencesForSayAll() {
        QAccessibleTextInterface* text = page("ucHelpDisplay")->textInterface();
        const int at =
            static_cast<int>(text->text(0, text->characterCount()).indexOf("The Actual"));
        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(at + 5, QAccessible::SentenceBoundary, &start, &end).trimmed(),
                 "The Actual Numbers follow what you type, and your earnings are calculated "
                 "automatically.");
        QCOMPARE(start, at);
    }

    void textCanBeRead_data() {
        QTest::addColumn<QByteArray>("pane");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("text");
        QTest::newRow("heading") << QByteArray("ucHelpDisplay") << "Quick Help"
                                 << int(QAccessible::Heading) << "Legend";
        QTest::newRow("subheading")
            << QByteArray("ucHelpDisplay") << "Quick Help" << int(QAccessible::Heading)
            << "Calculations used to figure out Earnings and EPC";
        QTest::newRow("list item") << QByteArray("ucHelpDisplay") << "Quick Help"
                                   << int(QAccessible::ListItem) << "EPC - the earnings per click.";
        QTest::newRow("formula") << QByteArray("ucHelpDisplay") << "Quick Help"
                                 << int(QAccessible::ListItem) << "EPC = (Earnings / # of Clicks)";
        QTest::newRow("paragraph")
            << QByteArray("ucHelpDisplay") << "Quick Help" << int(QAccessible::Paragraph)
            << "The Actual Numbers are the ones used to work out your earnings.";
        QTest::newRow("gold") << QByteArray("ucVarnelGold") << "Varnel Gold"
                              << int(QAccessible::Paragraph)
                              << "Get more from every impression with Varnel Gold and its "
                                 "publisher kit. It shows where to place your ads so that "
                                 "readers notice them, which page layouts lift the CTR, and how "
                                 "to choose topics that earn a higher eCPM.";
        QTest::newRow("videos") << QByteArray("ucVarnelVideos") << "Varnel Videos"
                                << int(QAccessible::Link) << "real sites, step by step";
        QTest::newRow("seo") << QByteArray("ucSEOZorvik") << "SEO Zorvik"
                             << int(QAccessible::Graphic) << "SEO Zorvik picture";
        QTest::newRow("marlo") << QByteArray("ucMarlo") << "Marlo Vesk"
                               << int(QAccessible::Paragraph)
                               << "Read a sample chapter before you decide.";
    }
    void textCanBeRead() {
        QFETCH(QByteArray, pane);
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, text);
        QAccessibleInterface* shown = page(pane);
        QCOMPARE(shown->role(), QAccessible::Document);
        QCOMPARE(shown->text(QAccessible::Name), name);
        // Paragraphs and list items are read through the page's text, not by name.
        if (role == QAccessible::Paragraph || role == QAccessible::ListItem) {
            QVERIFY(!Names(Nodes(shown), QAccessible::Role(role)).isEmpty());
            QAccessibleTextInterface* all = shown->textInterface();
            QVERIFY(all->text(0, all->characterCount()).contains(text));
            return;
        }
        const QStringList names = Names(Nodes(shown), QAccessible::Role(role));
        QVERIFY2(names.contains(text), qPrintable(names.join(" | ")));
    }

    void linksAndImagesCanBePressed_data() {
        QTest::addColumn<QByteArray>("pane");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("textLinks");
        QTest::addColumn<QString>("id");
        QTest::newRow("gold") << QByteArray("ucVarnelGold") << "Varnel Gold" << 2 << "idx_gold";
        QTest::newRow("videos") << QByteArray("ucVarnelVideos") << "Varnel Videos" << 3
                                << "idx_vid";
        QTest::newRow("seo") << QByteArray("ucSEOZorvik") << "SEO Zorvik" << 2 << "idx_seo";
        QTest::newRow("marlo") << QByteArray("ucMarlo") << "Marlo Vesk" << 3 << "idx_marlo";
    }
    void linksAndImagesCanBePressed() {
        QFETCH(QByteArray, pane);
        QFETCH(QString, product);
        QFETCH(int, textLinks);
        QFETCH(QString, id);
        const QList<QAccessibleInterface*> nodes = Nodes(page(pane));
        const QStringList links = Names(nodes, QAccessible::Link);
        QCOMPARE(links.size(), 1 + textLinks);
        // the image's link, named by the image: a name of its own beside the text links
        QCOMPARE(links.first(), product + QStringLiteral(" picture"));
        QVERIFY(!links.contains(QString()));
        QCOMPARE(Names(nodes, QAccessible::Graphic),
                 QStringList{product + QStringLiteral(" picture")});

        int pressed = 0;
        for (QAccessibleInterface* node : nodes) {
            if (node->role() != QAccessible::Link && node->role() != QAccessible::Graphic)
                continue;
            QVERIFY(node->rect().isValid());
            QCOMPARE(node->actionInterface()->actionNames(),
                     QStringList{QAccessibleActionInterface::pressAction()});
            node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(w->clicks.size(), size_t(++pressed));
            QCOMPARE(w->clicks.back().id, id);
        }
        QCOMPARE(pressed, 2 + textLinks); // each link, and the image in the first
    }

    void nodesFollowThePageShown() {
        QAccessibleInterface* help = page("ucHelpDisplay");
        QAccessibleInterface* before = help->child(0);
        QVERIFY(before->isValid());
        w->panes.help->navigate(pages::PageAddress(pages::kGoldSuffix));
        QVERIFY(WaitForPage(*w->panes.help));
        QVERIFY(!before->isValid());
        QCOMPARE(help->text(QAccessible::Name), "Recommended Tools");
        QCOMPARE(Names(Nodes(help), QAccessible::Graphic), QStringList{"Varnel Gold picture"});
    }
};

QTEST_MAIN(WebPaneAccessibleTest)
#include "web_pane_accessible_test.moc"
