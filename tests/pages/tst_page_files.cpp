// SPDX-License-Identifier: MIT
// The built-in pages and pictures as files: their form, and the ids and links the
// click-through depends on.
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>
#include <page_address.h>
#include <page_document.h>

namespace {

QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/pages/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::shared_ptr<pages::PageDocument> Parse(const char* suffix) {
    const QString address = pages::PageAddress(suffix);
    return pages::PageDocument::create(Resource(address.section(u'/', -1)), address, {609, 305});
}

std::vector<litehtml::element::ptr> Select(const pages::PageDocument& page, const char* tag) {
    const litehtml::elements_vector found = page.root()->select_all(tag);
    return {found.begin(), found.end()};
}

QString Attribute(const litehtml::element::ptr& element, const char* name) {
    return QString::fromUtf8(element->get_attr(name, "(none)"));
}

QString Text(const litehtml::element::ptr& element) {
    litehtml::tstring text;
    element->get_text(text);
    return QString::fromUtf8(text).simplified();
}

} // namespace

class PageFilesTest : public QObject {
    Q_OBJECT

private slots:
    void commonForm_data() {
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<QString>("title");
        QTest::newRow("help") << QByteArray(pages::kHelpSuffix) << "Quick Help";
        QTest::newRow("gold") << QByteArray(pages::kGoldSuffix) << "Recommended Tools";
        QTest::newRow("videos") << QByteArray(pages::kVideosSuffix) << "Recommended Tools";
        QTest::newRow("seo") << QByteArray(pages::kSeoSuffix) << "Recommended Tools";
        QTest::newRow("marlo") << QByteArray(pages::kMarloSuffix) << "Recommended Tools";
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

        const auto page = Parse(suffix);
        QCOMPARE(page->title(), title);
        const auto tables = Select(*page, "table");
        QCOMPARE(tables.size(), 1u);
        QCOMPARE(Attribute(tables[0], "border"), "0");
        QCOMPARE(Attribute(tables[0], "cellpadding"), "4");
        QCOMPARE(Attribute(tables[0], "cellspacing"), "0");
        QCOMPARE(Attribute(tables[0], "width"), "100%");
        // The script opens the body, ahead of the content.
        const auto body = Select(*page, "body").front();
        QString firstTag;
        for (size_t i = 0; i < body->get_children_count() && firstTag.isEmpty(); ++i)
            firstTag = QString::fromUtf8(body->get_child(static_cast<int>(i))->get_tagName());
        QCOMPARE(firstTag, "script");
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
        const auto page = Parse(suffix);

        const auto links = Select(*page, "a");
        QCOMPARE(links.size(), size_t(1 + textLinks));
        for (const auto& link : links) {
            QCOMPARE(Attribute(link, "href"), "#");
            QCOMPARE(Attribute(link, "id"), id);
        }
        const auto images = Select(*page, "img");
        QCOMPARE(images.size(), 1u);
        QCOMPARE(Attribute(images[0], "src"), image);
        QCOMPARE(Attribute(images[0], "id"), id);
        QCOMPARE(Attribute(images[0], "border"), "0");
        QCOMPARE(images[0]->parent(), links[0]);

        QByteArray jpeg = Resource(image);
        QBuffer buffer(&jpeg);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), "jpeg");
        QCOMPARE(reader.size(), imageSize);
        QVERIFY(jpeg.mid(6, 4) == "JFIF");
    }

    void helpPage() {
        const auto page = Parse(pages::kHelpSuffix);
        QVERIFY(Select(*page, "a").empty());
        QVERIFY(Select(*page, "[id]").empty());

        QStringList headings;
        for (const auto& cell : Select(*page, "td[colspan=\"2\"]")) {
            QCOMPARE(Attribute(cell, "width"), "780");
            headings.append(Text(cell));
        }
        QCOMPARE(headings,
                 QStringList({"Legend", "Quick Instructions", "Full Instructions", "Important Note",
                              "Calculations Used to figure out Impressions, CTR and "
                              "Clicks"}));
        QCOMPARE(Select(*page, "td[width=\"16\"]").size(), 5u);
        QCOMPARE(Select(*page, "td[width=\"764\"]").size(), 5u);

        QStringList formulas;
        for (const auto& item : Select(*page, "ol > li > font[color=\"#0000FF\"]"))
            formulas.append(Text(item));
        QCOMPARE(formulas, QStringList({"CTR = (# of Clicks / # of Impressions)",
                                        "# of Clicks = (# of Impression x CTR)",
                                        "# of Impressions = (# of Clicks / CTR)",
                                        "Earnings = eCPM x (# of Impressions / 1000)",
                                        "EPC = (Earnings / # of Clicks)"}));
    }
};

QTEST_MAIN(PageFilesTest)
#include "tst_page_files.moc"
