// SPDX-License-Identifier: MIT
// What the main window relies on, whichever renderer lays out the pages: each page loads,
// each product link and image reaches the click handler with its facts, by mouse and by
// keyboard, and an address that names nothing built in shows the not-found page. Built once
// per renderer.
#include "pages/page_address.h"
#include "pages/web_pane.h"
#include "tests/pages/page_facts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

// The widget that takes the mouse at onPage, the renderer's own if it has one there, and the
// point in its coordinates.
std::pair<QWidget*, QPoint> MouseTarget(pages::WebPane& pane, QPoint onPage) {
    const QPoint inView = onPage - pane.scrollPosition();
    QWidget* widget = pane.viewport()->childAt(inView);
    if (!widget)
        widget = pane.viewport();
    return {widget, widget->mapFrom(pane.viewport(), inView)};
}

// Clicks the middle of element (of its first line, for a link's text) with the mouse.
void Click(pages::WebPane& pane, const pages::PageElement& element) {
    const QRect target = element.lineBoxes.empty() ? element.bounds : element.lineBoxes.front();
    pane.showArea(target);
    const auto [widget, point] = MouseTarget(pane, target.center());
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
}

} // namespace

class WebPaneDoorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    pages::WebPane* pane = nullptr;
    std::vector<pages::PageElement> clicks;

    // Shows the page at address and takes its clicks, cancelling them as the main window does.
    void show(const QString& address) {
        QSignalSpy complete(pane, &pages::WebPane::documentComplete);
        pane->navigate(address);
        QVERIFY(complete.wait());
        QCOMPARE(complete.first().at(1).toString(), address);
        pane->setClickHandler([this](const pages::PageElement& clicked) {
            clicks.push_back(clicked);
            return false;
        });
    }

private slots:
    void init() {
        window = std::make_unique<QWidget>();
        window->resize(640, 440);
        pane = new pages::WebPane(window.get());
        pane->setGeometry(16, 16, 609, 400);
        clicks.clear();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void everyPageLoads_data() {
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<QString>("title");
        for (const pages_test::PageFacts& page : pages_test::kPageFacts)
            QTest::newRow(page.row) << QByteArray(page.suffix) << page.title;
    }
    void everyPageLoads() {
        QFETCH(QByteArray, suffix);
        QFETCH(QString, title);
        QVERIFY(!pane->hasPage());
        show(pages::PageAddress(suffix));
        QVERIFY(pane->hasPage());
        QCOMPARE(pane->title(), title);
        QCOMPARE(pane->address(), pages::PageAddress(suffix));
        QVERIFY(!pane->contentSize().isEmpty());
    }

    void productLinksReachTheClickHandler_data() {
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("textLinks");
        QTest::newRow("gold") << QByteArray(pages::kGoldSuffix) << "idx_gold" << 2;
        QTest::newRow("videos") << QByteArray(pages::kVideosSuffix) << "idx_vid" << 3;
        QTest::newRow("seo") << QByteArray(pages::kSeoSuffix) << "idx_seo" << 2;
        QTest::newRow("marlo") << QByteArray(pages::kMarloSuffix) << "idx_marlo" << 3;
    }
    void productLinksReachTheClickHandler() {
        QFETCH(QByteArray, suffix);
        QFETCH(QString, id);
        QFETCH(int, textLinks);
        show(pages::PageAddress(suffix));
        QSignalSpy complete(pane, &pages::WebPane::documentComplete);

        const std::vector<pages::PageElement> images = pane->elements("img");
        QCOMPARE(images.size(), 1u);
        QCOMPARE(images.front().id, id);
        const std::vector<pages::PageElement> links = pane->elements("a");
        QCOMPARE(links.size(), size_t(1 + textLinks));
        for (const pages::PageElement& link : links)
            QCOMPARE(link.id, id);

        std::vector<pages::PageElement> targets = links; // the first link holds the image
        targets.front() = images.front();
        for (size_t i = 0; i < targets.size(); ++i) {
            Click(*pane, targets[i]);
            QCOMPARE(clicks.size(), i + 1);
            QCOMPARE(clicks.back().tagName, i == 0 ? "IMG" : "A");
            QCOMPARE(clicks.back().id, id);
            QCOMPARE(clicks.back().text, targets[i].text);
        }
        QCoreApplication::processEvents();
        QCOMPARE(complete.count(), 0); // the handler cancelled: nothing followed
    }

    void enterOnALinkReachesTheClickHandler() {
        show(pages::PageAddress(pages::kSeoSuffix));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        pane->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(pane->focusedLink());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // Held down, the key repeats: the link is still followed once.
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, {}, true);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &repeated);
        QCOMPARE(clicks.size(), 1u);
        QCOMPARE(clicks.back().tagName, "A");
        QCOMPARE(clicks.back().id, "idx_seo");
    }

    // A press and a release on one element with no drag between is a click; pressed on text
    // and let go on the link beside it (nearer than a drag), the other way round, or dragged
    // off a link and back is none.
    void dragsAreNoClicks_data() {
        QTest::addColumn<QList<int>>("stops"); // across the start of "Try SEO Zorvik"
        QTest::newRow("text to link") << QList<int>{-2, 2};
        QTest::newRow("link to text") << QList<int>{2, -2};
        QTest::newRow("off the link and back") << QList<int>{2, -40, 2};
    }
    void dragsAreNoClicks() {
        QFETCH(QList<int>, stops);
        show(pages::PageAddress(pages::kSeoSuffix));
        const QRect link = pane->elements("a")[2].lineBoxes.front();
        const auto at = [&](int x) {
            return MouseTarget(*pane, {link.left() + x, link.center().y()});
        };
        QVERIFY(pane->elementAt({link.left() - 2, link.center().y()})->tagName != "A");
        QTest::mousePress(at(stops.first()).first, Qt::LeftButton, {}, at(stops.first()).second);
        for (const int x : stops.mid(1))
            QTest::mouseMove(at(x).first, at(x).second);
        QTest::mouseRelease(at(stops.last()).first, Qt::LeftButton, {}, at(stops.last()).second);
        QCOMPARE(clicks.size(), 0u);
    }

    void addressesNotBuiltInShowTheNotFoundPage_data() {
        QTest::addColumn<QString>("address");
        const QString help = pages::PageAddress(pages::kHelpSuffix);
        QTest::newRow("unknown name") << QString(help).replace("help.html", "readme.txt");
        QTest::newRow("up a folder") << QString(help).replace("help.html", "../help.html");
        QTest::newRow("other program") << QString(help).replace(".exe/", ".bin/");
        QTest::newRow("web") << "http://www.varnelcalc.example/";
        QTest::newRow("file") << "file:///etc/passwd";
        QTest::newRow("resource") << "qrc:/pages/help.html";
    }
    void addressesNotBuiltInShowTheNotFoundPage() {
        QFETCH(QString, address);
        show(address);
        QCOMPARE(pane->title(), "Page not found");
        QVERIFY(pane->elements("img").empty());
    }

    // Beneath each heading row, which spans both, a 16-pixel indent and then the text.
    void helpTextStandsBesideItsNarrowIndent() {
        show(pages::PageAddress(pages::kHelpSuffix));
        const std::optional<pages::PageElement> first = pane->elementAt(QPoint(80, 40));
        QVERIFY(first);
        QVERIFY2(first->text.startsWith(u"Impressions"), qPrintable(first->text));
    }
};

QTEST_MAIN(WebPaneDoorTest)
#include "web_pane_door_test.moc"
