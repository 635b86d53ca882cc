// SPDX-License-Identifier: MIT
#include "tests/pages/test_support.h"

#include "desktop/open_link.h"
#include "pages/page_address.h"
#include "pages/resource_resolver.h"

#include <QSignalSpy>
#include <QTest>

namespace pages_test {
namespace {

pages::WebPane* AddPane(QWidget& window, const char* name, QRect place) {
    auto* pane = new pages::WebPane(&window);
    pane->setObjectName(QLatin1String(name));
    pane->setGeometry(place);
    return pane;
}

// Where a click on element lands: the middle of its first line box for inline content,
// which may wrap, else the middle of its box.
QRect ClickTarget(const pages::PageElement& element) {
    return element.lineBoxes.empty() ? element.bounds : element.lineBoxes.front();
}

void LoadBuiltInPages(PagesWindow& w) {
    for (const pages::PanePage& page : pages::kPanePages) {
        pages::WebPane* pane = w.panes.*page.pane;
        if (page.spokenName)
            pane->setAccessibleName(QLatin1String(page.spokenName));
        if (page.linkId) {
            QObject::connect(pane, &pages::WebPane::documentComplete, &w.window, [&w, pane] {
                pane->setClickHandler([&w](const pages::PageElement& clicked) {
                    w.clicks.push_back(clicked);
                    return false;
                });
            });
        }
        pane->navigate(pages::PageAddress(page.suffix));
    }
}

} // namespace

LinkRecorder::LinkRecorder()
    : previous_(mAPI::SetLinkOpener([this](const QString& address, const QString& owner) {
          addresses.append(address);
          owners.append(owner);
      })) {}

LinkRecorder::~LinkRecorder() {
    mAPI::SetLinkOpener(std::move(previous_));
}

PagesWindow::PagesWindow(const Loader& load) {
    window.resize(641, 680);
    panes = {
        AddPane(window, "ucHelpDisplay", {16, 360, 609, 305}),
        AddPane(window, "ucVarnelGold", {16, 32, 609, 113}),
        AddPane(window, "ucVarnelVideos", {16, 152, 193, 193}),
        AddPane(window, "ucSEOZorvik", {224, 152, 193, 193}),
        AddPane(window, "ucMarlo", {432, 152, 193, 193}),
    };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy lastLoaded(panes.marlo, &pages::WebPane::documentComplete);
    (load ? load : LoadBuiltInPages)(*this);
    QVERIFY(lastLoaded.wait());
    // Scroll bars appear from the event loop once the pages' sizes are known.
    QCoreApplication::processEvents();
}

bool WaitForPage(pages::WebPane& pane) {
    QSignalSpy loaded(&pane, &pages::WebPane::documentComplete);
    return loaded.wait();
}

std::vector<pages::PageElement> Elements(const pages::WebPane& pane, const char* tag) {
    return pane.elements(QLatin1String(tag));
}

std::optional<QPoint> FindPoint(const pages::WebPane& pane, const QString& tagName) {
    const QSize size = pane.contentSize();
    // Not (0, 0): QTest takes a click there for one in the middle of the widget.
    for (int y = 0; y < size.height(); ++y) {
        for (int x = y == 0 ? 1 : 0; x < size.width(); ++x) {
            const std::optional<pages::PageElement> element = pane.elementAt({x, y});
            if (element && element->tagName == tagName)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

bool ShowHtml(pages::WebPane& pane, const QByteArray& html, const QString& address) {
    pane.setResourceReader([html, address](const QString& asked) {
        return asked == address ? std::optional(html) : pages::ReadBuiltIn(asked);
    });
    pane.navigate(address);
    const bool complete = WaitForPage(pane);
    pane.setResourceReader(pages::ReadBuiltIn);
    return complete;
}

void ClickAt(pages::WebPane& pane, QPoint onPage, Qt::MouseButton button) {
    // As much around the point as the pane shows: the point comes to the middle, or as near
    // to it as the page lets it.
    const QSize visible = pane.viewport()->size();
    pane.showArea(QRect(onPage - QPoint(visible.width() / 2, visible.height() / 2), visible));
    const QPoint at = onPage - pane.scrollPosition();
    QVERIFY2(pane.viewport()->rect().contains(at), "the point cannot be scrolled into view");
    // Whatever widget of the renderer's is under the point takes the click.
    QWidget* target = pane.viewport()->childAt(at);
    if (!target)
        target = pane.viewport();
    QTest::mouseClick(target, button, {}, target->mapFrom(pane.viewport(), at));
}

void ClickElement(pages::WebPane& pane, const pages::PageElement& element, Qt::MouseButton button) {
    const QRect target = ClickTarget(element);
    QVERIFY2(!target.isEmpty(), "the element has no place on the page");
    QVERIFY2(pane.elementAt(target.center()) == element,
             "the middle of the element hits another element");
    ClickAt(pane, target.center(), button);
}

} // namespace pages_test
