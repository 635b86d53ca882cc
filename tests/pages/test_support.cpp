// SPDX-License-Identifier: MIT
#include "test_support.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <open_link.h>

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
QRect ClickTarget(const litehtml::element::ptr& element) {
    const std::vector<QRect> lines = pages::InlineBoxes(element);
    return lines.empty() ? pages::ElementBounds(element) : lines.front();
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

PagesWindow::PagesWindow() {
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
    pages::LoadPages(panes, &window, messages);
    QVERIFY(lastLoaded.wait());
    // Scroll bars appear from the event loop once the pages' sizes are known.
    QCoreApplication::processEvents();
}

bool WaitForPage(pages::WebPane& pane) {
    QSignalSpy loaded(&pane, &pages::WebPane::documentComplete);
    return loaded.wait();
}

std::vector<litehtml::element::ptr> Elements(const pages::WebPane& pane, const char* tag) {
    const litehtml::elements_vector found = pane.document()->root()->select_all(tag);
    return {found.begin(), found.end()};
}

std::optional<QPoint> FindPoint(const pages::WebPane& pane, const QString& tagName) {
    const QSize size = pane.document()->contentSize();
    // Not (0, 0): QTest takes a click there for one in the middle of the widget.
    for (int y = 0; y < size.height(); ++y) {
        for (int x = y == 0 ? 1 : 0; x < size.width(); ++x) {
            const litehtml::element::ptr element = pane.document()->elementAt({x, y}, {x, y});
            if (element && pages::DescribeElement(element).tagName == tagName)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

void ClickAt(pages::WebPane& pane, QPoint onPage, Qt::MouseButton button) {
    const QSize visible = pane.viewport()->size();
    pane.horizontalScrollBar()->setValue(onPage.x() - visible.width() / 2);
    pane.verticalScrollBar()->setValue(onPage.y() - visible.height() / 2);
    const QPoint at = onPage - pane.scrollPosition();
    QVERIFY2(pane.viewport()->rect().contains(at), "the point cannot be scrolled into view");
    QTest::mouseClick(pane.viewport(), button, {}, at);
}

void ClickElement(pages::WebPane& pane, const litehtml::element::ptr& element,
                  Qt::MouseButton button) {
    const QRect target = ClickTarget(element);
    QVERIFY2(!target.isEmpty(), "the element has no place on the page");
    QVERIFY2(pane.document()->elementAt(target.center(), target.center()) == element,
             "the middle of the element hits another element");
    ClickAt(pane, target.center(), button);
}

} // namespace pages_test
