// SPDX-License-Identifier: MIT
// The pane on its own: loading, what it shows, and what it does with the mouse.
#include "pages/font_families.h"
#include "pages/page_address.h"
#include "pages/web_pane.h"
#include "tests/pages/test_support.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using pages_test::ClickElement;
using pages_test::Elements;
using pages_test::FindPoint;
using pages_test::WaitForPage;

namespace {

// Links of every kind, shown as if it were the help page.
// (Not a raw string: moc takes the "//" of the web address for a comment.)
const QByteArray kLinks =
    "<html><body style=\"font-family:Verdana; font-size:10pt\">\n"
    "<p>Plain text first. <a href=\"gold.html\">another built-in page</a></p>\n"
    "<p><a href=\"#top\">a place on this page</a></p>\n"
    "<p><a href=\"http://www.varnelcalc.example/\">a web address</a></p>\n"
    "</body></html>";

QString Address(const char* suffix) {
    return pages::PageAddress(suffix);
}

// Counts the context-menu requests that reach it.
class ContextMenuCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::ContextMenu;
        return false;
    }
};

} // namespace

class WebPaneTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    pages::WebPane* pane = nullptr;

    // Shows page (a suffix, or html as the help page) at size and waits until it is complete.
    void show(QSize size, const char* suffix, const QByteArray& html = {}) {
        pane->resize(size);
        if (html.isEmpty()) {
            pane->navigate(Address(suffix));
            QVERIFY(WaitForPage(*pane));
        } else {
            QVERIFY(pages_test::ShowHtml(*pane, html, Address(suffix)));
        }
        QCoreApplication::processEvents(); // scroll bars settle from the event loop
    }

private slots:
    void init() {
        window = std::make_unique<QWidget>();
        window->resize(800, 800);
        pane = new pages::WebPane(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void navigateReturnsBeforeLoading() {
        QSignalSpy complete(pane, &pages::WebPane::documentComplete);
        pane->navigate(Address(pages::kHelpSuffix));
        QVERIFY(!pane->hasPage());
        QCOMPARE(complete.count(), 0);
        QVERIFY(complete.wait());
        QCOMPARE(complete.first().at(0).value<QWidget*>(), pane);
        QCOMPARE(complete.first().at(1).toString(), Address(pages::kHelpSuffix));
        QCOMPARE(pane->title(), "Quick Help");
    }

    void onlyTheLastRequestLoads() {
        QSignalSpy complete(pane, &pages::WebPane::documentComplete);
        pane->navigate(Address(pages::kHelpSuffix));
        pane->navigate(Address(pages::kGoldSuffix));
        QVERIFY(complete.wait());
        QCoreApplication::processEvents();
        QCOMPARE(complete.count(), 1);
        QCOMPARE(complete.first().at(1).toString(), Address(pages::kGoldSuffix));
        QCOMPARE(pane->address(), Address(pages::kGoldSuffix));
    }

    void refusedAddressesShowTheNotFoundPage_data() {
        QTest::addColumn<QString>("address");
        const QString help = Address(pages::kHelpSuffix);
        QTest::newRow("unknown name") << QString(help).replace("help.html", "readme.txt");
        QTest::newRow("up a folder") << QString(help).replace("help.html", "../help.html");
        QTest::newRow("other extension") << QString(help).replace(".exe/", ".bin/");
        QTest::newRow("web") << "http://www.varnelcalc.example/";
        QTest::newRow("file") << "file:///etc/passwd";
        QTest::newRow("resource") << "qrc:/pages/help.html";
    }
    void refusedAddressesShowTheNotFoundPage() {
        QFETCH(QString, address);
        QSignalSpy complete(pane, &pages::WebPane::documentComplete);
        pane->navigate(address);
        QVERIFY(complete.wait());
        QCOMPARE(complete.first().at(1).toString(), address);
        QCOMPARE(pane->title(), "Page not found");
    }

    void imagesAreDrawnAtTheirSizes_data() {
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QSize>("size");
        QTest::newRow("gold") << QByteArray(pages::kGoldSuffix) << "varnelgold.jpg"
                              << QSize(90, 103);
        QTest::newRow("videos") << QByteArray(pages::kVideosSuffix) << "varnel-videos.jpg"
                                << QSize(90, 99);
        QTest::newRow("seo") << QByteArray(pages::kSeoSuffix) << "seo-zorvik.jpg" << QSize(90, 119);
        QTest::newRow("marlo") << QByteArray(pages::kMarloSuffix) << "marlovesk.jpg"
                               << QSize(90, 131);
    }
    void imagesAreDrawnAtTheirSizes() {
        QFETCH(QByteArray, suffix);
        QFETCH(QString, image);
        QFETCH(QSize, size);
        show({700, 700}, suffix);
        const QRect box = Elements(*pane, "img").front().bounds;
        QCOMPARE(box.size(), size);

        const QImage expected(QStringLiteral(":/pages/") + image);
        const QImage drawn = pane->viewport()->grab().toImage();
        for (const QPoint at : {QPoint(20, 30), QPoint(45, 60), QPoint(70, 80)}) {
            const QColor want = expected.pixelColor(at);
            const QColor got = drawn.pixelColor(box.topLeft() + at);
            QVERIFY2(std::abs(want.red() - got.red()) + std::abs(want.green() - got.green()) +
                             std::abs(want.blue() - got.blue()) <
                         24,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(at.x()).arg(at.y())));
        }
    }

    void rightClickShowsNoMenuAnywhere() {
        show({609, 305}, pages::kHelpSuffix);
        ContextMenuCounter counter;
        window->installEventFilter(&counter);
        pane->installEventFilter(&counter);
        QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, {100, 100});
        QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, {100, 100},
                                   pane->viewport()->mapToGlobal(QPoint(100, 100)));
        QCoreApplication::sendEvent(pane->viewport(), &keyboard);
        QCOMPARE(counter.count, 0);
    }

    void handCursorOverLinksOnly() {
        show({193, 193}, pages::kVideosSuffix);
        // Moves are sent straight to the pane: the display's own pointer may be over
        // another test's window.
        const auto moveTo = [this](QPoint at) {
            QMouseEvent move(QEvent::MouseMove, at, pane->viewport()->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pane->viewport(), &move);
        };
        const QRect image = Elements(*pane, "img").front().bounds;
        moveTo(image.center() - pane->scrollPosition());
        QCOMPARE(pane->viewport()->cursor().shape(), Qt::PointingHandCursor);
        moveTo(QPoint(3, 3));
        QCOMPARE(pane->viewport()->cursor().shape(), Qt::ArrowCursor);
    }

    void scrollsWhenTallerAndLaysOutAgainOnResize() {
        show({193, 193}, pages::kVideosSuffix);
        QVERIFY(pane->verticalScrollBar()->maximum() > 0);
        QCOMPARE(pane->horizontalScrollBar()->maximum(), 0);

        pane->resize(400, 600);
        QCoreApplication::processEvents();
        QCOMPARE(pane->verticalScrollBar()->maximum(), 0);
        QCOMPARE(pane->contentSize(), pane->viewport()->size());

        pane->resize(193, 193);
        QCoreApplication::processEvents();
        QVERIFY(pane->verticalScrollBar()->maximum() > 0);
    }

    void wideHelpPageScrollsSideways() {
        show({609, 305}, pages::kHelpSuffix);
        QVERIFY(pane->horizontalScrollBar()->maximum() > 0);
        QVERIFY(pane->verticalScrollBar()->maximum() > 0);
    }

    // The body's frame surrounds the whole laid-out page: scrolled sideways, no edge of it
    // is left standing in the middle of the text.
    void bodyFrameNeverCrossesTheText() {
        show({609, 305}, pages::kHelpSuffix);
        const int pageWidth = pane->contentSize().width();
        QVERIFY(pageWidth > pane->viewport()->width());
        // The body's 1-pixel frame closes the page.
        QCOMPARE(Elements(*pane, "body").front().bounds.right() + 2, pageWidth);

        pane->horizontalScrollBar()->setValue(pane->horizontalScrollBar()->maximum());
        const QImage shown = pane->viewport()->grab().toImage();
        const QColor frame(0xCC, 0xCC, 0xCC);
        const auto frameRows = [&](int x) {
            int rows = 0;
            for (int y = 0; y < shown.height(); ++y)
                rows += shown.pixelColor(x, y) == frame;
            return rows;
        };
        // Where the pane's right edge lies on the page when not scrolled.
        const int paneEdge = pane->viewport()->width() - 1 - pane->scrollPosition().x();
        QVERIFY(paneEdge > 0);
        QVERIFY2(frameRows(paneEdge) < shown.height() / 4, qPrintable(QString::number(paneEdge)));
        QVERIFY(frameRows(shown.width() - 1) > shown.height() / 2); // the frame's own edge
    }

    void ownActionForLinks() {
        pages_test::LinkRecorder links;
        show({400, 300}, pages::kHelpSuffix, kLinks);
        QSignalSpy complete(pane, &pages::WebPane::documentComplete);
        const auto anchors = Elements(*pane, "a");

        ClickElement(*pane, anchors[1]); // "#top": nothing to jump to
        QCoreApplication::processEvents();
        QCOMPARE(complete.count(), 0);

        ClickElement(*pane, anchors[0]);
        QVERIFY(complete.wait());
        QCOMPARE(complete.last().at(1).toString(), Address(pages::kGoldSuffix));

        show({400, 300}, pages::kHelpSuffix, kLinks);
        ClickElement(*pane, Elements(*pane, "a")[2]);
        QVERIFY(WaitForPage(*pane));
        QCOMPARE(pane->title(), "Page not found");
        QVERIFY(links.addresses.isEmpty());
    }

    void clickHandlerSeesTheElementAndMayCancel() {
        show({400, 300}, pages::kHelpSuffix, kLinks);
        QSignalSpy complete(pane, &pages::WebPane::documentComplete);
        QList<pages::PageElement> seen;
        bool goOn = false;
        pane->setClickHandler([&](const pages::PageElement& clicked) {
            seen.append(clicked);
            return goOn;
        });

        ClickElement(*pane, Elements(*pane, "a")[0]);
        QCoreApplication::processEvents();
        QCOMPARE(complete.count(), 0);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].tagName, "A");
        QCOMPARE(seen[0].id, "");
        QCOMPARE(seen[0].text, "another built-in page");

        pages_test::ClickAt(*pane, *FindPoint(*pane, "P"));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].tagName, "P");

        goOn = true;
        ClickElement(*pane, Elements(*pane, "a")[0]);
        QVERIFY(complete.wait());
    }

    // The picture is served when it has a size to be laid out at.
    void readerServesPagesAndPictures_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("pictureSize");
        const QByteArray withPicture =
            "<html><head><title>Read</title></head><body><img src=\"pic.png\"></body></html>";
        QTest::newRow("page and picture") << withPicture << "Read" << QSize(7, 5);
        QTest::newRow("picture missing") << withPicture << "Read" << QSize(0, 0);
        QTest::newRow("page missing") << QByteArray() << "Page not found" << QSize();
    }
    void readerServesPagesAndPictures() {
        QFETCH(QByteArray, page);
        QFETCH(QString, title);
        QFETCH(QSize, pictureSize);
        QByteArray png;
        if (!pictureSize.isEmpty()) {
            QBuffer buffer(&png);
            QImage(pictureSize, QImage::Format_RGB32).save(&buffer, "PNG");
        }
        QStringList asked;
        pane->setResourceReader([&](const QString& address) -> std::optional<QByteArray> {
            asked.append(address);
            if (address == "res://here/page.html" && !page.isEmpty())
                return page;
            if (address == "res://here/pic.png" && !png.isEmpty())
                return png;
            return std::nullopt;
        });
        pane->navigate("res://here/page.html");
        QVERIFY(WaitForPage(*pane));
        QCOMPARE(pane->title(), title);
        QCOMPARE(asked.first(), "res://here/page.html");
        const auto images = Elements(*pane, "img");
        if (pictureSize.isValid()) {
            QCOMPARE(asked, (QStringList{"res://here/page.html", "res://here/pic.png"}));
            QCOMPARE(images.front().bounds.size(), pictureSize);
        } else {
            QVERIFY(images.empty());
        }
    }

    void clickHandlerKeepsToThePageItWasSetFor() {
        show({400, 300}, pages::kHelpSuffix, kLinks);
        int seen = 0;
        pane->setClickHandler([&seen](const pages::PageElement&) { return ++seen, false; });
        ClickElement(*pane, Elements(*pane, "a")[1]);
        QCOMPARE(seen, 1);
        show({400, 300}, pages::kHelpSuffix, kLinks);
        ClickElement(*pane, Elements(*pane, "a")[1]);
        QCOMPARE(seen, 1);
    }

    // What the pane leaves out on purpose is told under its logging category when asked.
    void deliberateIgnoresAreLogged_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("style sheet link")
            << QByteArray("<html><head><link rel=\"stylesheet\" href=\"x.css\"></head></html>")
            << QStringList{"ignored <link href=\"x.css\">", "ignored @import of x.css"};
        QTest::newRow("base address")
            << QByteArray("<html><head><base href=\"file:///\"></head></html>")
            << QStringList{"ignored <base href=\"file:///\">"};
        QTest::newRow("missing picture")
            << QByteArray("<html><body><img src=\"none.png\"></body></html>")
            << QStringList{"no picture at " +
                           Address(pages::kHelpSuffix).replace("help.html", "none.png") +
                           ": laid out as 0 x 0"};
    }
    void deliberateIgnoresAreLogged() {
        QFETCH(QByteArray, html);
        QFETCH(QStringList, messages);
        QLoggingCategory::setFilterRules(QStringLiteral("varnelcalc.pages.info=true"));
        for (const QString& message : messages)
            QTest::ignoreMessage(QtInfoMsg, qPrintable(message));
        show({400, 300}, pages::kHelpSuffix, html);
        QLoggingCategory::setFilterRules(QString());
    }

    void refusedAddressIsLogged() {
        QLoggingCategory::setFilterRules(QStringLiteral("varnelcalc.pages.info=true"));
        QTest::ignoreMessage(QtInfoMsg,
                             "nothing to show at file:///etc/passwd: showing the not-found page");
        pane->navigate("file:///etc/passwd");
        QVERIFY(WaitForPage(*pane));
        QLoggingCategory::setFilterRules(QString());
    }

    void fontFamilies_data() {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QStringList>("families");
        const auto installed = [](const char* family, const char* standIn) {
            return QString::fromLatin1(QFontDatabase::hasFamily(family) ? family : standIn);
        };
        QTest::newRow("Verdana") << "Verdana" << QStringList{installed("Verdana", "DejaVu Sans")};
        QTest::newRow("quoted list")
            << "'Arial', \"Times New Roman\", sans-serif"
            << QStringList{installed("Arial", "Liberation Sans"),
                           installed("Times New Roman", "Liberation Serif"), "DejaVu Sans"};
        QTest::newRow("installed stays") << " DejaVu Sans " << QStringList{"DejaVu Sans"};
        QTest::newRow("unknown stays") << "Nowhere Grotesk" << QStringList{"Nowhere Grotesk"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void fontFamilies() {
        QFETCH(QString, css);
        QFETCH(QStringList, families);
        QCOMPARE(pages::MapFontFamilies(css), families);
    }
};

QTEST_MAIN(WebPaneTest)
#include "web_pane_test.moc"
