// SPDX-License-Identifier: MIT
// The pages as assistive technology sees them: text to read, links and images to press.
#include "test_support.h"

#include <QAccessible>
#include <QTest>
#include <page_address.h>
#include <product.h>

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

} // namespace

class WebPaneAccessibleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PagesWindow> w;

    QAccessibleInterface* page(const char* pane) const {
        return QAccessible::queryAccessibleInterface(
            w->window.findChild<pages::WebPane*>(QLatin1String(pane)));
    }

private slots:
    void init() { w = std::make_unique<PagesWindow>(); }
    void cleanup() { w.reset(); }

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
                             << int(QAccessible::Graphic) << "SEO Zorvik";
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
        const QStringList names = Names(Nodes(shown), QAccessible::Role(role));
        QVERIFY2(names.contains(text), qPrintable(names.join(" | ")));
    }

    void linksAndImagesCanBePressed_data() {
        QTest::addColumn<QByteArray>("pane");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("textLinks");
        QTest::addColumn<QString>("path");
        QTest::newRow("gold") << QByteArray("ucVarnelGold") << "Varnel Gold" << 2
                              << "/recommends/varnel-gold.html";
        QTest::newRow("videos") << QByteArray("ucVarnelVideos") << "Varnel Videos" << 3
                                << "/recommends/varnel-videos.html";
        QTest::newRow("seo") << QByteArray("ucSEOZorvik") << "SEO Zorvik" << 2
                             << "/recommends/seo-zorvik.html";
        QTest::newRow("marlo") << QByteArray("ucMarlo") << "Marlo Vesk" << 3
                               << "/recommends/marlovesk.html";
    }
    void linksAndImagesCanBePressed() {
        QFETCH(QByteArray, pane);
        QFETCH(QString, product);
        QFETCH(int, textLinks);
        QFETCH(QString, path);
        const QList<QAccessibleInterface*> nodes = Nodes(page(pane));
        const QStringList links = Names(nodes, QAccessible::Link);
        QCOMPARE(links.size(), 1 + textLinks);
        QCOMPARE(links.first(), product); // the image's link, named by the image
        QVERIFY(!links.contains(QString()));
        QCOMPARE(Names(nodes, QAccessible::Graphic), QStringList{product});

        int pressed = 0;
        for (QAccessibleInterface* node : nodes) {
            if (node->role() != QAccessible::Link && node->role() != QAccessible::Graphic)
                continue;
            QVERIFY(node->rect().isValid());
            QCOMPARE(node->actionInterface()->actionNames(),
                     QStringList{QAccessibleActionInterface::pressAction()});
            node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(w->links.addresses.size(), ++pressed);
        }
        QCOMPARE(w->links.addresses,
                 QStringList(pressed, QLatin1String(product::kHomeAddress) + path));
    }

    void nodesFollowThePageShown() {
        QAccessibleInterface* help = page("ucHelpDisplay");
        QAccessibleInterface* before = help->child(0);
        QVERIFY(before->isValid());
        w->panes.help->navigate(pages::PageAddress(pages::kGoldSuffix));
        QVERIFY(WaitForPage(*w->panes.help));
        QVERIFY(!before->isValid());
        QCOMPARE(help->text(QAccessible::Name), "Recommended Tools");
        QCOMPARE(Names(Nodes(help), QAccessible::Graphic), QStringList{"Varnel Gold"});
    }
};

QTEST_MAIN(WebPaneAccessibleTest)
#include "tst_web_pane_accessible.moc"
