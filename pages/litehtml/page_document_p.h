// SPDX-License-Identifier: MIT
#pragma once

#include "pages/litehtml/page_container_p.h"
#include "pages/litehtml/page_element_p.h"
#include "pages/litehtml/page_nodes_p.h"
#include "pages/litehtml/page_text_p.h"
#include "pages/page_callbacks.h"

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <algorithm>
#include <functional>
#include <litehtml/litehtml.h>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace pages {

// One parsed and laid-out page. Held by shared_ptr: the pane lets go of it when it shows
// another page, while a click being handled, or code that attached to its clicks, may still
// hold it.
class PageDocument {
public:
    // Parses html (ASCII or UTF-8) shown at address and lays it out for clientSize. Images
    // named by the page are read here through read, relative to address.
    static std::shared_ptr<PageDocument> create(const QByteArray& html, const QString& address,
                                                QSize clientSize, const ResourceReader& read);

    PageDocument(const PageDocument&) = delete;
    PageDocument& operator=(const PageDocument&) = delete;

    const QString& address() const { return address_; }
    QString title() const { return container_.caption(); }
    litehtml::element::ptr root() const { return html_->root(); }

    // The page's structure in reading order, for assistive technology; read when first asked.
    const std::vector<PageNode>& nodes() const;

    // One handler at a time: attaching again replaces the previous one, and an empty
    // handler detaches.
    void setOnClick(ClickHandler handler) { onClick_ = std::move(handler); }

    // Tells the click handler that element (see elementAt) was clicked. Returns whether the
    // pane should go on with its own action.
    bool dispatchClick(const litehtml::element::ptr& element);

    void layout(QSize clientSize);
    QSize contentSize() const;
    // Moves the pointer to docPos (page coordinates; clientPos in the visible area).
    // Returns whether anything has to be repainted; cursor() tells what the pointer shows.
    bool mouseOver(QPoint docPos, QPoint clientPos);
    bool mouseLeave();
    const std::string& cursor() const { return container_.cursor(); }

    // The innermost element at docPos, a text run counting as its parent element;
    // nullptr outside the page.
    litehtml::element::ptr elementAt(QPoint docPos, QPoint clientPos) const;

    // The page's text as laid out now; read when first asked and after each layout.
    const PageText& text() const;

    // The selection runs from its anchor to the caret; both are offsets into text(). With
    // nothing selected they are equal, and the caret is where a reader stands.
    int caret() const { return caret_; }
    int anchor() const { return anchor_; }
    std::pair<int, int> selection() const { return std::minmax(anchor_, caret_); }
    bool hasSelection() const { return anchor_ != caret_; }
    // Clamps both to the text. Returns whether anything changed.
    bool select(int anchor, int caret);
    bool selectAll() { return select(0, text().length()); }
    QString selectedText() const;
    QString selectedHtml() const;

    // A press of the left button at docPos, the clicks-th in a row: the first puts the caret
    // there (and, with extend, keeps the anchor), the second selects the word and the third
    // the block around it. Returns whether the selection changed.
    bool pressAt(QPoint docPos, int clicks, bool extend);
    // Drags the caret to docPos, the anchor staying.
    bool dragTo(QPoint docPos);

    // The links a keyboard user stops at, in document order: every <a> with href, its
    // images included.
    const std::vector<litehtml::element::ptr>& linkStops() const;
    litehtml::element::ptr focusedLink() const { return focusedLink_.lock(); }
    // Moves the link focus on to the next (or previous) stop; from no stop, to the first
    // (or last). Returns false, the focus cleared, when there is none in that direction.
    bool focusNextLink(bool forward);
    void clearLinkFocus() { focusedLink_.reset(); }
    // Where the focus rectangle of the focused link goes, in page coordinates.
    std::vector<QRect> focusRects() const;

    struct PaintStyle {
        QColor highlight;
        QColor highlightedText;
        QColor focusFrame;
        bool showFocus = false;
    };
    // Paints the page part clip (visible-area coordinates) seen from scroll, then the
    // selection and, when style.showFocus, the focused link's frame.
    void paint(QPainter& painter, QPoint scroll, const QRect& clip, const PaintStyle& style);

private:
    PageDocument(QString address, const ResourceReader& read);
    void render(int width);

    QString address_;
    // Declared before html_: the document releases its fonts through the container as it
    // is destroyed.
    PageContainer container_;
    litehtml::document::ptr html_;
    mutable std::optional<std::vector<PageNode>> nodes_;
    mutable std::optional<PageText> text_;
    mutable std::optional<std::vector<litehtml::element::ptr>> linkStops_;
    litehtml::element::weak_ptr focusedLink_;
    int anchor_ = 0;
    int caret_ = 0;
    ClickHandler onClick_;
};

} // namespace pages
