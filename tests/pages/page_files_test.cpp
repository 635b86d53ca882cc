// SPDX-License-Identifier: MIT
// The built-in pages and pictures as files: their form, and the ids and links the
// click-through depends on.
#include "pages/page_address.h"
#include "tests/pages/page_facts.h"
#include "tests/pages/test_support.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>
#include <memory>

using pages_test::Elements;

namespace {

QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/pages/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How many elements of the page in pane the CSS selector finds.
size_t Count(const pages::WebPane& pane, const char* selector) {
    return pane.elements(QLatin1String(selector)).size();
}

} // namespace

class PageFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    pages::WebPane* pane = nullptr;

    // Shows the built-in page at suffix and waits until it is complete.
    void show(const char* suffix) {
        pane->navigate(pages::PageAddress(suffix));
        QVERIFY(pages_test::WaitForPage(*pane));
    }

private slots:
    void init() {
        window = std::make_unique<QWidget>();
        pane = new pages::WebPane(window.get());
        pane->resize(609, 305);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void commonForm_data() {
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<QString>("title");
        for (const pages_test::PageFacts& page : pages_test::kPageFacts)
            QTest::newRow(page.row) << QByteArray(page.suffix) << page.title;
    }
    void commonForm() {
        QFETCH(QByteArray, suffix);
        QFETCH(QString, title);
        const QByteArray html = Resource(QString::fromLatin1(suffix).section(u'/', -1));
        QVERIFY(!html.isEmpty());
        QCOMPARE(html.count("\n"), html.count("\r\n"));
        QCOMPARE(html.count("\r"), html.count("\r\n"));
        QVERIFY(std::all_of(html.begin(), html.end(), [](char c) { return c > 0; }));
        QVERIFY(html.contains("<meta http-equiv=\"Content-Type\" "
                              "content=\"text/html; charset=windows-1252\">"));
        QVERIFY(html.contains(
            "body { font-family: Verdana; font-size: 10pt; border: 1px solid #CCC; margin: 0; }"));
        QVERIFY(html.contains("table { font-size: 10pt; }"));
        QVERIFY(html.contains("document.oncontextmenu = noContextMenu;"));

        show(suffix);
        QCOMPARE(pane->title(), title);
        QCOMPARE(Count(*pane, "table"), 1u);
        QCOMPARE(Count(*pane, "table[border=\"0\"][cellpadding=\"4\"][cellspacing=\"0\"]"
                              "[width=\"100%\"]"),
                 1u);
        // The script opens the body, ahead of the content.
        const QString source = QString::fromLatin1(html);
        const qsizetype body = source.indexOf("<body");
        QVERIFY(body > 0);
        QCOMPARE(source.indexOf(QRegularExpression("<[a-z]"), body + 1), source.indexOf("<script"));
    }

    void recommendationPage_data() {
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QSize>("imageSize");
        QTest::addColumn<int>("textLinks");
        QTest::newRow("gold") << QByteArray(pages::kGoldSuffix) << "idx_gold"
                              << "varnelgold.jpg" << QSize(90, 103) << 2;
        QTest::newRow("videos") << QByteArray(pages::kVideosSuffix) << "idx_vid"
                                << "varnel-videos.jpg" << QSize(90, 99) << 3;
        QTest::newRow("seo") << QByteArray(pages::kSeoSuffix) << "idx_seo"
                             << "seo-zorvik.jpg" << QSize(90, 119) << 2;
        QTest::newRow("marlo") << QByteArray(pages::kMarloSuffix) << "idx_marlo"
                               << "marlovesk.jpg" << QSize(90, 131) << 3;
    }
    void recommendationPage() {
        QFETCH(QByteArray, suffix);
        QFETCH(QString, id);
        QFETCH(QString, image);
        QFETCH(QSize, imageSize);
        QFETCH(int, textLinks);
        show(suffix);

        const auto links = Elements(*pane, "a");
        QCOMPARE(links.size(), size_t(1 + textLinks));
        QCOMPARE(Count(*pane, "a[href=\"#\"]"), links.size());
        for (const auto& link : links)
            QCOMPARE(link.id, id);
        const auto images = Elements(*pane, "img");
        QCOMPARE(images.size(), 1u);
        QCOMPARE(images[0].id, id);
        const QByteArray imageSelector = "img[src=\"" + image.toLatin1() + "\"][border=\"0\"]";
        QCOMPARE(Count(*pane, imageSelector.constData()), 1u);
        // The image is wrapped in the first link.
        QCOMPARE(Count(*pane, "a > img"), 1u);
        QVERIFY(links[0].bounds.contains(images[0].bounds));

        QByteArray jpeg = Resource(image);
        QBuffer buffer(&jpeg);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), "jpeg");
        QCOMPARE(reader.size(), imageSize);
        QVERIFY(jpeg.mid(6, 4) == "JFIF");
    }

    void helpPage() {
        show(pages::kHelpSuffix);
        QCOMPARE(Count(*pane, "a"), 0u);
        QCOMPARE(Count(*pane, "[id]"), 0u);

        QStringList headings;
        for (const auto& cell : pane->elements("td[colspan=\"2\"]"))
            headings.append(cell.text);
        QCOMPARE(Count(*pane, "td[colspan=\"2\"][width=\"780\"]"), size_t(headings.size()));
        QCOMPARE(headings,
                 QStringList({"Legend", "Quick Instructions", "Full Instructions", "Important Note",
                              "Calculations Used to figure out Impressions, CTR and "
                              "Clicks"}));
        QCOMPARE(Count(*pane, "td[width=\"16\"]"), 5u);
        QCOMPARE(Count(*pane, "td[width=\"764\"]"), 5u);

        QStringList formulas;
        for (const auto& item : pane->elements("ol > li > font[color=\"#0000FF\"]"))
            formulas.append(item.text);
        QCOMPARE(formulas, QStringList({"CTR = (# of Clicks / # of Impressions)",
                                        "# of Clicks = (# of Impression x CTR)",
                                        "# of Impressions = (# of Clicks / CTR)",
                                        "Earnings = eCPM x (# of Impressions / 1000)",
                                        "EPC = (Earnings / # of Clicks)"}));
    }
};

QTEST_MAIN(PageFilesTest)
#include "page_files_test.moc"
