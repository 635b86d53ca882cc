// SPDX-License-Identifier: MIT
#include "page_log_p.h"
#include "resource_resolver.h"
#include "scroll_into_view_p.h"
#include "web_pane_accessible.h"
#include "web_pane_p.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <utility>

namespace pages {
namespace {

// The element at viewportPos in the visible area, or nullptr.
litehtml::element::ptr ElementAtViewport(const WebPane& pane, QPoint viewportPos) {
    const std::shared_ptr<PageDocument> document = DocumentOf(pane);
    if (!document)
        return nullptr;
    return document->elementAt(viewportPos + pane.scrollPosition(), viewportPos);
}

} // namespace

WebPane::WebPane(QWidget* parent) : QAbstractScrollArea(parent), d_(std::make_unique<Private>()) {
    read_ = ReadBuiltIn;
    InstallWebPaneAccessibility();
    // The pages draw their own frame.
    setFrameShape(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setMouseTracking(true);
    // No menu, not even the parent's: NoContextMenu would pass the request up to the window.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
}

WebPane::~WebPane() = default;

void WebPane::showPage(const QString& address, const QByteArray& html) {
    d_->document = PageDocument::create(html, address, viewport()->size(), read_);
    d_->pressed.reset();
    dragging_ = false;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->unsetCursor();
    viewport()->update();
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

void ClickElement(WebPane& pane, const litehtml::element::ptr& element) {
    // Held here: the handler may open a modal box during which this pane loads another page.
    const std::shared_ptr<PageDocument> document = DocumentOf(pane);
    if (!document || !document->dispatchClick(element))
        return;
    const litehtml::element::ptr link = EnclosingLink(element);
    if (!link)
        return;
    const QString href = QString::fromUtf8(link->get_attr("href"));
    // A link to a place on the same page: the pages have no named places to jump to.
    if (href.startsWith(u'#')) {
        qCDebug(lcPages, "no place named %ls to jump to", qUtf16Printable(href));
        return;
    }
    pane.navigate(ResolveRelative(document->address(), href));
}

void WebPane::setClickHandler(ClickHandler handler) {
    if (d_->document)
        d_->document->setOnClick(std::move(handler));
}

bool WebPane::hasPage() const {
    return d_->document != nullptr;
}

QString WebPane::address() const {
    return d_->document ? d_->document->address() : QString();
}

QString WebPane::title() const {
    return d_->document ? d_->document->title() : QString();
}

QSize WebPane::contentSize() const {
    return d_->document ? d_->document->contentSize() : QSize();
}

std::vector<PageElement> WebPane::elements(const QString& selector) const {
    std::vector<PageElement> found;
    if (!d_->document)
        return found;
    for (const litehtml::element::ptr& element :
         d_->document->root()->select_all(selector.toStdString()))
        found.push_back(DescribeElement(element));
    return found;
}

std::optional<PageElement> WebPane::elementAt(QPoint onPage) const {
    if (!d_->document)
        return std::nullopt;
    const QPoint inView = onPage - scrollPosition();
    const litehtml::element::ptr element = d_->document->elementAt(onPage, inView);
    return element ? std::optional(DescribeElement(element)) : std::nullopt;
}

std::optional<PageElement> WebPane::focusedLink() const {
    const litehtml::element::ptr link = d_->document ? d_->document->focusedLink() : nullptr;
    return link ? std::optional(DescribeElement(link)) : std::nullopt;
}

std::vector<QRect> WebPane::focusRects() const {
    return d_->document ? d_->document->focusRects() : std::vector<QRect>();
}

QString WebPane::selectedText() const {
    return d_->document ? d_->document->selectedText() : QString();
}

bool WebPane::hasSelection() const {
    return d_->document && d_->document->hasSelection();
}

QPoint WebPane::scrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

bool WebPane::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave && d_->document && d_->document->mouseLeave())
        viewport()->update();
    return QAbstractScrollArea::viewportEvent(event);
}

void WebPane::showArea(const QRect& onPage) {
    ScrollIntoView(*this, onPage);
}

void WebPane::select(int anchor, int caret) {
    if (d_->document && d_->document->select(anchor, caret))
        caretMoved(true);
}

void WebPane::paintEvent(QPaintEvent* event) {
    if (!d_->document)
        return;
    QPainter painter(viewport());
    // The selection takes the colours of the pane's palette, as an edit field's does.
    const PageDocument::PaintStyle style{palette().color(QPalette::Highlight),
                                         palette().color(QPalette::HighlightedText),
                                         palette().color(QPalette::Text), hasFocus()};
    d_->document->paint(painter, scrollPosition(), event->rect(), style);
}

void WebPane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!d_->document)
        return;
    // Both sizes matter: the pages stretch to the full height of the pane.
    d_->document->layout(viewport()->size());
    updateScrollBars();
}

void WebPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    // A third press soon after a double click, where it was, selects the whole block.
    const bool third =
        sinceDoubleClick_.isValid() &&
        sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
        (pos - doubleClickPos_).manhattanLength() < QApplication::startDragDistance();
    sinceDoubleClick_.invalidate();
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    d_->pressed.reset();
    if (!extend && !third)
        d_->pressed = ElementAtViewport(*this, pos);
    pressAt(pos, third ? 3 : 1, extend);
}

void WebPane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    sinceDoubleClick_.start();
    doubleClickPos_ = event->position().toPoint();
    d_->pressed.reset();
    pressAt(doubleClickPos_, 2, false);
}

void WebPane::pressAt(QPoint viewportPos, int clicks, bool extend) {
    pressPos_ = viewportPos;
    dragging_ = d_->document != nullptr;
    dragged_ = false;
    if (!d_->document)
        return;
    if (d_->document->focusedLink()) {
        d_->document->clearLinkFocus();
        viewport()->update();
    }
    caretMoved(d_->document->pressAt(viewportPos + scrollPosition(), clicks, extend));
}

void WebPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    // A click is a press and a release on the same element with no drag between; dragging
    // from text onto a link and letting go there is no click, nor is a drag that selects.
    const litehtml::element::ptr pressed = std::exchange(d_->pressed, {}).lock();
    if (pressed && !dragged_ && pressed == ElementAtViewport(*this, event->position().toPoint()))
        ClickElement(*this, pressed);
}

void WebPane::followDrag(QPoint viewportPos) {
    if (!dragged_ &&
        (viewportPos - pressPos_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragged_ = true;
    // Dragging past an edge scrolls the page on.
    const QRect visible = viewport()->rect();
    const QPoint beyond(viewportPos.x() < 0                 ? viewportPos.x()
                        : viewportPos.x() > visible.right() ? viewportPos.x() - visible.right()
                                                            : 0,
                        viewportPos.y() < 0                  ? viewportPos.y()
                        : viewportPos.y() > visible.bottom() ? viewportPos.y() - visible.bottom()
                                                             : 0);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + beyond.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + beyond.y());
    if (d_->document->dragTo(viewportPos + scrollPosition()))
        caretMoved(true);
}

void WebPane::mouseMoveEvent(QMouseEvent* event) {
    if (!d_->document)
        return;
    const QPoint pos = event->position().toPoint();
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        followDrag(pos);
    if (d_->document->mouseOver(pos + scrollPosition(), pos))
        viewport()->update();
    if (d_->document->cursor() == "pointer")
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void WebPane::scrollContentsBy(int, int) {
    viewport()->update();
}

void WebPane::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // Tab enters a page at its first link, Shift+Tab at its last.
    const Qt::FocusReason reason = event->reason();
    if (d_->document && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
        d_->document->clearLinkFocus();
        d_->document->focusNextLink(reason == Qt::TabFocusReason);
    }
    linkFocusChanged();
}

void WebPane::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

bool WebPane::focusNextPrevChild(bool next) {
    if (d_->document && hasFocus() && d_->document->focusNextLink(next)) {
        linkFocusChanged();
        return true;
    }
    viewport()->update();
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void WebPane::linkFocusChanged() {
    viewport()->update();
    if (!d_->document || !d_->document->focusedLink())
        return;
    const std::vector<QRect> boxes = d_->document->focusRects();
    QRect bounds;
    for (const QRect& box : boxes)
        bounds |= box;
    showArea(bounds);
    // After the pane's own focus report: Qt sends that once focusInEvent has returned, and
    // a reader takes the last one for where the focus is.
    QMetaObject::invokeMethod(
        this, [this] { ReportFocusedLink(*this); }, Qt::QueuedConnection);
}

void WebPane::keyPressEvent(QKeyEvent* event) {
    const PaneKey key = PaneKeyFor(*event);
    if (!d_->document || key == PaneKey::None) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    switch (key) {
    case PaneKey::Activate:
        if (const litehtml::element::ptr link = d_->document->focusedLink())
            ClickElement(*this, link);
        else
            event->ignore();
        return;
    case PaneKey::SelectAll:
        if (d_->document->selectAll())
            caretMoved(true);
        return;
    case PaneKey::Copy:
        copy();
        return;
    default:
        scroll(key);
        return;
    }
}

// The keys scroll as in a browser; a reader's caret moves along, line by line for the
// arrows, so that a screen reader reads what comes into view.
void WebPane::scroll(PaneKey key) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    const PageText& text = d_->document->text();
    switch (key) {
    case PaneKey::LineUp:
        moveCaretByLines(-1);
        return;
    case PaneKey::LineDown:
        moveCaretByLines(1);
        return;
    case PaneKey::Left:
    case PaneKey::Right:
        horizontal->triggerAction(key == PaneKey::Left ? QAbstractSlider::SliderSingleStepSub
                                                       : QAbstractSlider::SliderSingleStepAdd);
        d_->document->select(d_->document->caret() + (key == PaneKey::Left ? -1 : 1),
                             d_->document->caret() + (key == PaneKey::Left ? -1 : 1));
        caretMoved(true);
        return;
    case PaneKey::PageUp:
    case PaneKey::PageDown: {
        vertical->triggerAction(key == PaneKey::PageUp ? QAbstractSlider::SliderPageStepSub
                                                       : QAbstractSlider::SliderPageStepAdd);
        // The caret goes to the first line that shows whole at the top.
        int line = text.lineOf(text.offsetAt({0, vertical->value()}));
        if (text.lineBox(line).top() < vertical->value() && line + 1 < text.lineCount())
            ++line;
        d_->document->select(text.lineStart(line), text.lineStart(line));
        caretMoved(true);
        return;
    }
    case PaneKey::Top:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        horizontal->triggerAction(QAbstractSlider::SliderToMinimum);
        d_->document->select(0, 0);
        caretMoved(true);
        return;
    case PaneKey::Bottom: {
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        const int last = text.lineStart(text.lineCount() - 1);
        d_->document->select(last, last);
        caretMoved(true);
        return;
    }
    default:
        return;
    }
}

// Moves the caret a line up or down and scrolls the page by as much, so the caret keeps
// its place in view; a caret out of view first comes to the top line in view.
void WebPane::moveCaretByLines(int lines) {
    const PageText& text = d_->document->text();
    QScrollBar* vertical = verticalScrollBar();
    const QRect visible(scrollPosition(), viewport()->size());
    int line = text.lineOf(d_->document->caret());
    if (!visible.intersects(text.lineBox(line))) {
        line = text.lineOf(text.offsetAt({0, visible.top()}));
        lines = 0;
    }
    const int target = std::clamp(line + lines, 0, text.lineCount() - 1);
    vertical->setValue(vertical->value() + text.lineBox(target).top() - text.lineBox(line).top());
    d_->document->select(text.lineStart(target), text.lineStart(target));
    showArea(text.lineBox(target));
    caretMoved(true);
}

void WebPane::caretMoved(bool selectionChanged) {
    viewport()->update();
    if (!QAccessible::isActive())
        return;
    if (selectionChanged) {
        const auto [from, to] = d_->document->selection();
        QAccessibleTextSelectionEvent selection(this, from, to);
        selection.setCursorPosition(d_->document->caret());
        QAccessible::updateAccessibility(&selection);
    }
    QAccessibleTextCursorEvent cursor(this, d_->document->caret());
    QAccessible::updateAccessibility(&cursor);
}

void WebPane::copy() const {
    if (!d_->document->hasSelection())
        return;
    auto* data = new QMimeData;
    data->setText(d_->document->selectedText());
    data->setHtml(d_->document->selectedHtml());
    QGuiApplication::clipboard()->setMimeData(data);
}

void WebPane::updateScrollBars() {
    const QSize content = d_->document->contentSize();
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
    verticalScrollBar()->setSingleStep(20);
}

} // namespace pages
