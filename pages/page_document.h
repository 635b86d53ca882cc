// SPDX-License-Identifier: MIT
#pragma once

#include "page_container.h"
#include "page_element.h"
#include "page_nodes.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <litehtml/litehtml.h>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace pages {

struct PageEvent {
    PageElement srcElement; // the innermost element clicked
};

// The window of a document: it carries the event being handled while a handler runs, so
// that code holding the window can read which element was clicked.
class PageWindow {
public:
    // nullptr when no event is being handled.
    const PageEvent* event() const { return event_ ? &*event_ : nullptr; }

private:
    friend class PageDocument;
    std::optional<PageEvent> event_;
};

// One parsed and laid-out page. Held by shared_ptr: the pane lets go of it when it shows
// another page, while a click being handled, or code that attached to its clicks, may still
// hold it.
class PageDocument {
public:
    // Returns false to cancel the pane's own action for the click.
    using ClickHandler = std::function<bool()>;

    // Parses html (ASCII or UTF-8) shown at address and lays it out for clientSize. Images
    // named by the page are loaded here, relative to address.
    static std::shared_ptr<PageDocument> create(const QByteArray& html, const QString& address,
                                                QSize clientSize);

    PageDocument(const PageDocument&) = delete;
    PageDocument& operator=(const PageDocument&) = delete;

    const QString& address() const { return address_; }
    QString title() const { return container_.caption(); }
    std::shared_ptr<PageWindow> parentWindow() const { return window_; }
    litehtml::element::ptr root() const { return html_->root(); }

    // The page's text, links and images in reading order, for assistive technology.
    const std::vector<PageNode>& nodes() const { return nodes_; }

    // One handler at a time: attaching again replaces the previous one, and an empty
    // handler detaches.
    void setOnClick(ClickHandler handler) { onClick_ = std::move(handler); }

    // Raises the click event for element (see elementAt). Returns whether the pane should
    // go on with its own action.
    bool dispatchClick(const litehtml::element::ptr& element);

    void layout(QSize clientSize);
    QSize contentSize() const;
    void paint(QPainter& painter, QPoint scroll, const QRect& clip);

    // Moves the pointer to docPos (page coordinates; clientPos in the visible area).
    // Returns whether anything has to be repainted; cursor() tells what the pointer shows.
    bool mouseOver(QPoint docPos, QPoint clientPos);
    bool mouseLeave();
    const std::string& cursor() const { return container_.cursor(); }

    // The innermost element at docPos, a text run counting as its parent element;
    // nullptr outside the page.
    litehtml::element::ptr elementAt(QPoint docPos, QPoint clientPos) const;

private:
    explicit PageDocument(QString address);

    QString address_;
    // Declared before html_: the document releases its fonts through the container as it
    // is destroyed.
    PageContainer container_;
    litehtml::document::ptr html_;
    std::shared_ptr<PageWindow> window_ = std::make_shared<PageWindow>();
    std::vector<PageNode> nodes_;
    ClickHandler onClick_;
};

} // namespace pages
