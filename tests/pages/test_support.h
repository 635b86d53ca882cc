// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/open_link.h"
#include "pages/panes.h"
#include "pages/web_pane.h"
#include "tests/support/recording_message_service.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace pages_test {

// Records the addresses handed to OpenLink while it lives, instead of opening them.
class LinkRecorder {
public:
    LinkRecorder();
    ~LinkRecorder();
    LinkRecorder(const LinkRecorder&) = delete;
    LinkRecorder& operator=(const LinkRecorder&) = delete;

    QStringList addresses;
    QStringList owners;

private:
    mAPI::LinkOpener previous_;
};

// A window holding the five panes at the sizes the main window gives them, loaded and
// shown. Construction returns when all five pages are complete.
class PagesWindow {
public:
    // Points the panes at their pages and takes their clicks; by default each pane shows
    // its built-in page and every click in the four recommendation pages is recorded in
    // clicks and cancelled, as the main window does with them.
    using Loader = std::function<void(PagesWindow&)>;
    explicit PagesWindow(const Loader& load = {});

    QWidget window;
    pages::Panes panes{};
    std::vector<pages::PageElement> clicks;
    calc::RecordingMessageService messages;
    LinkRecorder links;
};

// Waits until pane reports its next page complete.
bool WaitForPage(pages::WebPane& pane);

// Shows html in pane as if read from address (its pictures are looked up relative to
// address), through the pane's resource reader, and waits until it is complete. For a pane
// that reads the built-in resources: it reads them again afterwards, address included.
bool ShowHtml(pages::WebPane& pane, const QByteArray& html, const QString& address);

// The elements of the page in pane with tag (lower case), in document order.
std::vector<pages::PageElement> Elements(const pages::WebPane& pane, const char* tag);

// The first place on the page in pane (page coordinates) whose element has tagName (upper
// case), searched line by line.
std::optional<QPoint> FindPoint(const pages::WebPane& pane, const QString& tagName);

// Scrolls the page point into view and presses and releases button there.
void ClickAt(pages::WebPane& pane, QPoint onPage, Qt::MouseButton button = Qt::LeftButton);

// Scrolls element into view and clicks its middle (for text, the middle of its first line)
// with button, by mouse events on the pane. Fails the test when that point does not hit
// element, so a click never lands somewhere else by accident.
void ClickElement(pages::WebPane& pane, const pages::PageElement& element,
                  Qt::MouseButton button = Qt::LeftButton);

} // namespace pages_test
