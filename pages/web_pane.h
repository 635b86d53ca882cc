// SPDX-License-Identifier: MIT
#pragma once

#include "pages/page_callbacks.h"
#include "pages/page_element.h"

#include <QAbstractScrollArea>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QAccessibleInterface;

namespace pages {

class PageRenderer;

// A pane that shows one page from the program's built-in resources. Addresses that name
// nothing built in show the pane's own "not found" page: nothing is ever read from disk or
// the network.
class WebPane : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit WebPane(QWidget* parent = nullptr);
    ~WebPane() override;

    // Where pages and their pictures are read from; the program's built-in resources unless
    // set. Read at each load: set it before navigating.
    void setResourceReader(ResourceReader reader);

    // Asks for the page at address and returns at once. The page is loaded later, from the
    // event loop once the pane is shown, and announced by documentComplete; of several
    // requests made before that, only the last is loaded.
    void navigate(const QString& address);

    // Makes handler see every click in the page shown now, before the pane acts on it. One
    // handler at a time: setting another replaces it, and an empty one detaches. The next
    // page starts without one.
    void setClickHandler(ClickHandler handler);

    // About the page shown: whether there is one yet, its address and title, its size.
    bool hasPage() const;
    QString address() const;
    QString title() const;
    QSize contentSize() const;

    // The elements of the page that a CSS selector ("a", "td[width=\"16\"]") finds, in
    // document order; the element at onPage (page coordinates), a text run counting as its
    // parent element.
    std::vector<PageElement> elements(const QString& selector) const;
    std::optional<PageElement> elementAt(QPoint onPage) const;

    // The link a keyboard user stands on, and where its focus frame is drawn on the page.
    std::optional<PageElement> focusedLink() const;
    std::vector<QRect> focusRects() const;

    QString selectedText() const;
    bool hasSelection() const;

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
    // What assistive technology is told of a pane: its renderer's account, or Qt's own.
    static QAccessibleInterface* accessibleFor(const QString& className, QObject* object);

    void loadRequested();

    ResourceReader read_;
    std::optional<QString> requested_; // the address to load once the pane is shown
    std::unique_ptr<PageRenderer> renderer_;
};

} // namespace pages
