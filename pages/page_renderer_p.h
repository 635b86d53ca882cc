// SPDX-License-Identifier: MIT
#pragma once

#include "pages/page_callbacks.h"
#include "pages/page_element.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractScrollArea;
class QAccessibleInterface;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace pages {

// What lays out, draws and answers for the page a pane shows. The pane asks for pages and
// loads them; its renderer does the rest, on the pane it was made for. The questions are the
// pane's own (see web_pane.h), in page coordinates.
class PageRenderer {
public:
    PageRenderer() = default;
    PageRenderer(const PageRenderer&) = delete;
    PageRenderer& operator=(const PageRenderer&) = delete;
    virtual ~PageRenderer() = default;

    // Lays out html as the page at address, in place of the page shown; its pictures are
    // read through read. The next page starts without a click handler.
    virtual void show(const QString& address, const QByteArray& html,
                      const ResourceReader& read) = 0;
    virtual void setClickHandler(ClickHandler handler) = 0;

    virtual bool hasPage() const = 0;
    virtual QString address() const = 0;
    virtual QString title() const = 0;
    virtual QSize contentSize() const = 0;
    virtual std::vector<PageElement> elements(const QString& selector) const = 0;
    virtual std::optional<PageElement> elementAt(QPoint onPage) const = 0;
    virtual std::optional<PageElement> focusedLink() const = 0;
    virtual std::vector<QRect> focusRects() const = 0;
    virtual QString selectedText() const = 0;
    virtual bool hasSelection() const = 0;
    virtual QPoint scrollPosition() const = 0;
    virtual void showArea(const QRect& onPage) = 0;
    virtual void select(int anchor, int caret) = 0;

    // A new interface telling assistive technology about the pane; nullptr leaves that to Qt.
    virtual QAccessibleInterface* makeAccessible() { return nullptr; }

    // The pane's events. Those answering bool tell whether the renderer took the event: one
    // it leaves goes on to QAbstractScrollArea. Resizes and focus changes come after
    // QAbstractScrollArea has had them.
    virtual void paint(QPaintEvent&) {}
    virtual void resized() {}
    virtual void scrolled() {}
    virtual void mouseLeft() {}
    virtual bool mouseEvent(QMouseEvent&) { return false; }
    virtual bool keyPress(QKeyEvent&) { return false; }
    virtual void focusEvent(QFocusEvent&) {}
    // Tab (next) or Shift+Tab pressed in the pane; false lets the focus leave it.
    virtual bool focusNextLink(bool /*next*/) { return false; }
};

// Follows a link: asks the pane for the page at the address given.
using LinkFollower = std::function<void(const QString& address)>;

// The renderer this build lays pages out with, for pane. Each renderer's file defines it;
// the build links one.
std::unique_ptr<PageRenderer> MakePageRenderer(QAbstractScrollArea& pane, LinkFollower follow);

} // namespace pages
