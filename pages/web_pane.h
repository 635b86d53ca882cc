// SPDX-License-Identifier: MIT
#pragma once

#include "page_document.h"
#include "pane_keys.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <optional>

namespace pages {

// A pane that shows one page from the program's built-in resources. Addresses that name
// nothing built in show the pane's own "not found" page: nothing is ever read from disk or
// the network.
class WebPane : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit WebPane(QWidget* parent = nullptr);

    // Asks for the page at address and returns at once. The page is loaded later, from the
    // event loop once the pane is shown, and announced by documentComplete; of several
    // requests made before that, only the last is loaded.
    void navigate(const QString& address);

    // Like navigate, but shows html as if it had been read from address (its images are
    // looked up relative to address).
    void setHtml(const QByteArray& html, const QString& address);

    // The page shown; nullptr until the first one has been loaded.
    std::shared_ptr<PageDocument> document() const { return document_; }

    // Clicks element of the page shown, as the mouse does: the page's click handler runs,
    // then, unless it cancelled, the pane's own action (following a link).
    void click(const litehtml::element::ptr& element);

    // Where the visible area starts on the page.
    QPoint scrollPosition() const;

    // Scrolls as little as needed to bring onPage (page coordinates) into view; what does
    // not fit shows its top left.
    void showArea(const QRect& onPage);

    // Selects from..to of the page's text (caret at to), as a reader's text interface
    // asks for it; anchor and caret equal take the selection away.
    void select(int anchor, int caret);

signals:
    // The page at address is laid out with its images. frame is this pane.
    void documentComplete(QWidget* frame, const QString& address);

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Request {
        QString address;
        std::optional<QByteArray> html;
    };

    void request(Request request);
    void loadRequested();
    void updateScrollBars();
    litehtml::element::ptr elementAt(QPoint viewportPos) const;
    void pressAt(QPoint viewportPos, int clicks, bool extend);
    void followDrag(QPoint viewportPos);
    void linkFocusChanged();
    void scroll(PaneKey key);
    void moveCaretByLines(int lines);
    void caretMoved(bool selectionChanged);
    void copy() const;

    std::optional<Request> requested_;
    std::shared_ptr<PageDocument> document_;
    litehtml::element::weak_ptr pressed_;
    QPoint pressPos_;
    bool dragging_ = false; // the left button selects text since it went down
    bool dragged_ = false;  // and has moved far enough not to be a click
    QElapsedTimer sinceDoubleClick_;
    QPoint doubleClickPos_;
};

} // namespace pages
