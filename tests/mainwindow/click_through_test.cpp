// SPDX-License-Identifier: MIT
// Clicks in the recommendation pages, made with the mouse on the loaded panes.
#include "mainwindow/load_pages.h"
#include "pages/page_address.h"
#include "product/product.h"
#include "tests/pages/test_support.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

using pages_test::ClickAt;
using pages_test::ClickElement;
using pages_test::Elements;
using pages_test::FindPoint;
using pages_test::PagesWindow;
using pages_test::ShowHtml;
using pages_test::WaitForPage;

namespace {

pages::WebPane* PaneNamed(PagesWindow& window, const QString& name) {
    return window.window.findChild<pages::WebPane*>(name);
}

// The panes loaded as the main window loads them.
void LoadAsTheMainWindow(PagesWindow& w) {
    const pages_test::Panes& p = w.panes;
    mainwindow::LoadPages({p.help, p.gold, p.videos, p.seo, p.marlo}, &w.window, w.messages);
}

QString SlotAddress(const char* path) {
    return QLatin1String(product::kHomeAddress) + QLatin1String(path);
}

// A page for the Gold pane with elements the shipped pages do not have.
const QByteArray kOddElements = R"(<html><body style="font-family:Verdana; font-size:10pt">
<p><a href="#" id="idx_other">foreign link</a></p>
<p><img src="varnelgold.jpg" id="idx_other"></p>
<p><a href="#">link without id</a></p>
<p><img src="varnelgold.jpg"></p>
<p><a href="#" id="IDX_GOLD">link with the id in capitals</a></p>
<p><a href="#" id="idx_gold"><b id="idx_gold">bold inside a link</b></a></p>
<p><span id="idx_gold">span with the slot's id</span></p>
<p id="idx_gold">paragraph with the slot's id</p>
</body></html>)";

} // namespace

class ClickThroughTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PagesWindow> w;

    QString ownerText() const { return QString::number(w->window.winId()); }

private slots:
    void init() { w = std::make_unique<PagesWindow>(LoadAsTheMainWindow); }
    void cleanup() { w.reset(); }

    void everyLinkAndImageOpensTheSlotAddressOnce_data() {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("textLinks");
        QTest::addColumn<QString>("address");
        QTest::newRow("gold") << "ucVarnelGold"
                              << "idx_gold" << 2 << SlotAddress("/recommends/varnel-gold.html");
        QTest::newRow("videos") << "ucVarnelVideos"
                                << "idx_vid" << 3 << SlotAddress("/recommends/varnel-videos.html");
        QTest::newRow("seo") << "ucSEOZorvik"
                             << "idx_seo" << 2 << SlotAddress("/recommends/seo-zorvik.html");
        QTest::newRow("marlo") << "ucMarlo"
                               << "idx_marlo" << 3 << SlotAddress("/recommends/marlovesk.html");
    }
    void everyLinkAndImageOpensTheSlotAddressOnce() {
        QFETCH(QString, pane);
        QFETCH(QString, id);
        QFETCH(int, textLinks);
        QFETCH(QString, address);
        pages::WebPane* shown = PaneNamed(*w, pane);

        auto targets = Elements(*shown, "img");
        QCOMPARE(targets.size(), 1u);
        for (const auto& link : Elements(*shown, "a")) {
            // The image's own link is reached through the image it holds.
            if (!link.bounds.contains(Elements(*shown, "img").front().bounds))
                targets.push_back(link);
        }
        QCOMPARE(targets.size(), size_t(1 + textLinks));

        for (const auto& target : targets) {
            QCOMPARE(target.id, id);
            const qsizetype before = w->links.addresses.size();
            ClickElement(*shown, target);
            QCOMPARE(w->links.addresses.size(), before + 1);
            QCOMPARE(w->links.addresses.last(), address);
            QCOMPARE(w->links.owners.last(), ownerText());
        }
        QVERIFY(w->messages.messages.empty());
    }

    void textCellsAndBackgroundDoNothing_data() {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("tagName");
        for (const char* pane : {"ucVarnelGold", "ucVarnelVideos", "ucSEOZorvik", "ucMarlo"}) {
            QTest::addRow("%s text", pane) << pane << "P";
            QTest::addRow("%s cell", pane) << pane << "TD";
            QTest::addRow("%s background", pane) << pane << "BODY";
        }
    }
    void textCellsAndBackgroundDoNothing() {
        QFETCH(QString, pane);
        QFETCH(QString, tagName);
        pages::WebPane* shown = PaneNamed(*w, pane);
        const QString address = shown->address();
        QSignalSpy complete(shown, &pages::WebPane::documentComplete);
        const std::optional<QPoint> spot = FindPoint(*shown, tagName);
        QVERIFY(spot);
        ClickAt(*shown, *spot);
        QCoreApplication::processEvents();
        QVERIFY(w->links.addresses.isEmpty());
        QVERIFY(w->messages.messages.empty());
        QCOMPARE(shown->address(), address);
        QCOMPARE(complete.count(), 0);
    }

    void otherButtonsAndDragsOpenNothing() {
        pages::WebPane& gold = *w->panes.gold;
        const auto image = Elements(gold, "img").front();
        ClickElement(gold, image, Qt::RightButton);
        ClickElement(gold, image, Qt::MiddleButton);
        // Pressed on the image, let go on the text beside it, and the other way round.
        const QPoint text = *FindPoint(gold, "P");
        const QPoint onImage = image.bounds.center();
        QTest::mousePress(gold.viewport(), Qt::LeftButton, {}, onImage - gold.scrollPosition());
        QTest::mouseRelease(gold.viewport(), Qt::LeftButton, {}, text - gold.scrollPosition());
        QTest::mousePress(gold.viewport(), Qt::LeftButton, {}, text - gold.scrollPosition());
        QTest::mouseRelease(gold.viewport(), Qt::LeftButton, {}, onImage - gold.scrollPosition());
        QVERIFY(w->links.addresses.isEmpty());
    }

    void foreignAndMissingIdsAreReported_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("link with foreign id") << "a" << 0 << "ID idx_other is not recognized.";
        QTest::newRow("image with foreign id") << "img" << 0 << "ID idx_other is not recognized.";
        QTest::newRow("link without id") << "a" << 1 << "ID  is not recognized.";
        QTest::newRow("image without id") << "img" << 1 << "ID  is not recognized.";
        QTest::newRow("id in other case") << "a" << 2 << "ID IDX_GOLD is not recognized.";
    }
    void foreignAndMissingIdsAreReported() {
        QFETCH(QString, tag);
        QFETCH(int, index);
        QFETCH(QString, text);
        pages::WebPane& gold = *w->panes.gold;
        QVERIFY(ShowHtml(gold, kOddElements, pages::PageAddress(pages::kGoldSuffix)));

        ClickElement(gold, Elements(gold, tag.toLatin1())[static_cast<size_t>(index)]);
        QCOMPARE(w->messages.messages.size(), 1u);
        const auto& shown = w->messages.messages.front();
        QCOMPARE(QString::fromStdString(shown.text), text);
        QCOMPARE(shown.title, "Unknown ID!");
        QCOMPARE(shown.icon, calc::MessageIcon::Information);
        QVERIFY(w->links.addresses.isEmpty());
    }

    void otherElementsWithTheSlotIdAreIgnored_data() {
        QTest::addColumn<QByteArray>("tag");
        QTest::newRow("bold text inside a link") << QByteArray("b");
        QTest::newRow("span") << QByteArray("span");
        QTest::newRow("paragraph") << QByteArray("p");
    }
    void otherElementsWithTheSlotIdAreIgnored() {
        QFETCH(QByteArray, tag);
        pages::WebPane& gold = *w->panes.gold;
        QVERIFY(ShowHtml(gold, kOddElements, pages::PageAddress(pages::kGoldSuffix)));
        for (const auto& element : Elements(gold, tag)) {
            if (element.id == u"idx_gold")
                ClickElement(gold, element);
        }
        QVERIFY(w->links.addresses.isEmpty());
        QVERIFY(w->messages.messages.empty());
    }

    void repeatedCompletionStillOpensOncePerClick() {
        pages::WebPane& seo = *w->panes.seo;
        emit seo.documentComplete(&seo, pages::PageAddress(pages::kSeoSuffix));
        emit seo.documentComplete(&seo, pages::PageAddress(pages::kSeoSuffix));
        seo.navigate(pages::PageAddress(pages::kSeoSuffix));
        QVERIFY(WaitForPage(seo));
        ClickElement(seo, Elements(seo, "img").front());
        ClickElement(seo, Elements(seo, "a").back());
        QCOMPARE(w->links.addresses, QStringList(2, SlotAddress("/recommends/seo-zorvik.html")));
    }

    // The box is modal: while it is up, the pane may load its page again. The click that
    // opened it must end quietly, and the new page must work as the old one did.
    void pageReplacedWhileTheBoxIsUp() {
        pages::WebPane& gold = *w->panes.gold;
        QVERIFY(ShowHtml(gold, kOddElements, pages::PageAddress(pages::kGoldSuffix)));
        w->messages.whileShown = [&gold](const auto&) {
            gold.navigate(pages::PageAddress(pages::kGoldSuffix));
            QVERIFY(WaitForPage(gold));
        };
        ClickElement(gold, Elements(gold, "a").front());
        QCOMPARE(w->messages.messages.size(), 1u);
        ClickElement(gold, Elements(gold, "img").front());
        QCOMPARE(w->links.addresses, QStringList{SlotAddress("/recommends/varnel-gold.html")});
    }

    void panesOutlivingTheMainWindowOpenNothing() {
        QWidget host;
        mainwindow::Panes panes{};
        for (pages::WebPane** pane :
             {&panes.help, &panes.gold, &panes.videos, &panes.seo, &panes.marlo}) {
            *pane = new pages::WebPane(&host);
            (*pane)->resize(609, 305);
        }
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        auto mainWindow = std::make_unique<QWidget>();
        mainwindow::LoadPages(panes, mainWindow.get(), w->messages);
        QVERIFY(WaitForPage(*panes.marlo));
        mainWindow.reset();
        ClickElement(*panes.marlo, Elements(*panes.marlo, "img").front());
        QVERIFY(w->links.addresses.isEmpty());
    }

    void helpPageClicksAreNotCaught() {
        pages::WebPane& help = *w->panes.help;
        QVERIFY(ShowHtml(help, kOddElements, pages::PageAddress(pages::kHelpSuffix)));
        const auto links = Elements(help, "a");
        for (size_t i : {0, 1, 2}) // foreign id, no id, id in capitals
            ClickElement(help, links[i]);
        QVERIFY(w->messages.messages.empty());
        QVERIFY(w->links.addresses.isEmpty());
    }
};

QTEST_MAIN(ClickThroughTest)
#include "click_through_test.moc"
