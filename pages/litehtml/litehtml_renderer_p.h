// SPDX-License-Identifier: MIT
#pragma once

#include "pages/litehtml/page_document_p.h"
#include "pages/page_renderer_p.h"
#include "pages/pane_keys.h"

#include <QElapsedTimer>
#include <QPoint>
#include <litehtml/litehtml.h>
#include <memory>

class QAbstractScrollArea;

namespace pages {

// The pages laid out and drawn by litehtml on the pane's visible area, with our own
// keyboard, selection and reading (see PageDocument).
class LitehtmlRenderer final : public PageRenderer {
public:
    LitehtmlRenderer(QAbstractScrollArea& pane, LinkFollower follow);

    // The page shown; nullptr until the first one has been loaded.
    const std::shared_ptr<PageDocument>& document() const { return document_; }

    // Clicks element of the page shown, as the mouse does: the page's click handler runs,
    // then, unless it cancelled, the pane's own action (following a link).
    void click(const litehtml::element::ptr& element);

    void show(const QString& address, const QByteArray& html, const ResourceReader& read) override;
    void setClickHandler(ClickHandler handler) override;
    bool hasPage() const override { return document_ != nullptr; }
    QString address() const override;
    QString title() const override;
    QSize contentSize() const override;
    std::vector<PageElement> elements(const QString& selector) const override;
    std::optional<PageElement> elementAt(QPoint onPage) const override;
    std::optional<PageElement> focusedLink() const override;
    std::vector<QRect> focusRects() const override;
    QString selectedText() const override;
    bool hasSelection() const override;
    QPoint scrollPosition() const override;
    void showArea(const QRect& onPage) override;
    void select(int anchor, int caret) override;
    QAccessibleInterface* makeAccessible() override;

    void paint(QPaintEvent& event) override;
    void resized() override;
    void scrolled() override;
    void mouseLeft() override;
    bool mouseEvent(QMouseEvent& event) override;
    bool keyPress(QKeyEvent& event) override;
    void focusEvent(QFocusEvent& event) override;
    bool focusNextLink(bool next) override;

private:
    litehtml::element::ptr elementAtViewport(QPoint viewportPos) const;
    void mousePress(const QMouseEvent& event);
    void mouseDoubleClick(const QMouseEvent& event);
    void mouseRelease(const QMouseEvent& event);
    void mouseMove(const QMouseEvent& event);
    void pressAt(QPoint viewportPos, int clicks, bool extend);
    void followDrag(QPoint viewportPos);
    void linkFocusChanged();
    void scroll(PaneKey key);
    void moveCaretByLines(int lines);
    void caretMoved(bool selectionChanged);
    void copy() const;
    void updateScrollBars();

    QAbstractScrollArea& pane_;
    LinkFollower follow_;
    std::shared_ptr<PageDocument> document_; // nullptr until the first page is loaded
    litehtml::element::weak_ptr pressed_;    // where the left button went down
    QPoint pressPos_;
    bool dragging_ = false; // the left button selects text since it went down
    bool dragged_ = false;  // and has moved far enough not to be a click
    QElapsedTimer sinceDoubleClick_;
    QPoint doubleClickPos_;
};

} // namespace pages
