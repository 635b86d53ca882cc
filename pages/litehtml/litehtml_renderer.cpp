// SPDX-License-Identifier: MIT
#include "pages/litehtml/litehtml_renderer_p.h"
#include "pages/litehtml/web_pane_accessible_p.h"
#include "pages/page_log_p.h"
#include "pages/resource_resolver.h"
#include "pages/scroll_into_view_p.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace pages {

std::unique_ptr<PageRenderer> MakePageRenderer(QAbstractScrollArea& pane, LinkFollower follow) {
    return std::make_unique<LitehtmlRenderer>(pane, std::move(follow));
}

LitehtmlRenderer::LitehtmlRenderer(QAbstractScrollArea& pane, LinkFollower follow)
    : pane_(pane), follow_(std::move(follow)) {
    pane_.viewport()->setBackgroundRole(QPalette::Base);
    pane_.viewport()->setMouseTracking(true);
    pane_.viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
}

void LitehtmlRenderer::show(const QString& address, const QByteArray& html,
                            const ResourceReader& read) {
    document_ = PageDocument::create(html, address, pane_.viewport()->size(), read);
    pressed_.reset();
    dragging_ = false;
    pane_.horizontalScrollBar()->setValue(0);
    pane_.verticalScrollBar()->setValue(0);
    updateScrollBars();
    pane_.viewport()->unsetCursor();
    pane_.viewport()->update();
    QAccessibleEvent reordered(&pane_, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

QAccessibleInterface* LitehtmlRenderer::makeAccessible() {
    return MakeWebPaneAccessible(pane_, *this);
}

litehtml::element::ptr LitehtmlRenderer::elementAtViewport(QPoint viewportPos) const {
    if (!document_)
        return nullptr;
    return document_->elementAt(viewportPos + scrollPosition(), viewportPos);
}

void LitehtmlRenderer::click(const litehtml::element::ptr& element) {
    // Held here: the handler may open a modal box during which this pane loads another page.
    const std::shared_ptr<PageDocument> document = document_;
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
    follow_(ResolveRelative(document->address(), href));
}

void LitehtmlRenderer::setClickHandler(ClickHandler handler) {
    if (document_)
        document_->setOnClick(std::move(handler));
}

QString LitehtmlRenderer::address() const {
    return document_ ? document_->address() : QString();
}

QString LitehtmlRenderer::title() const {
    return document_ ? document_->title() : QString();
}

QSize LitehtmlRenderer::contentSize() const {
    return document_ ? document_->contentSize() : QSize();
}

std::vector<PageElement> LitehtmlRenderer::elements(const QString& selector) const {
    std::vector<PageElement> found;
    if (!document_)
        return found;
    for (const litehtml::element::ptr& element :
         document_->root()->select_all(selector.toStdString()))
        found.push_back(DescribeElement(element));
    return found;
}

std::optional<PageElement> LitehtmlRenderer::elementAt(QPoint onPage) const {
    if (!document_)
        return std::nullopt;
    const QPoint inView = onPage - scrollPosition();
    const litehtml::element::ptr element = document_->elementAt(onPage, inView);
    return element ? std::optional(DescribeElement(element)) : std::nullopt;
}

std::optional<PageElement> LitehtmlRenderer::focusedLink() const {
    const litehtml::element::ptr link = document_ ? document_->focusedLink() : nullptr;
    return link ? std::optional(DescribeElement(link)) : std::nullopt;
}

std::vector<QRect> LitehtmlRenderer::focusRects() const {
    return document_ ? document_->focusRects() : std::vector<QRect>();
}

QString LitehtmlRenderer::selectedText() const {
    return document_ ? document_->selectedText() : QString();
}

bool LitehtmlRenderer::hasSelection() const {
    return document_ && document_->hasSelection();
}

QPoint LitehtmlRenderer::scrollPosition() const {
    return QPoint(pane_.horizontalScrollBar()->value(), pane_.verticalScrollBar()->value());
}

void LitehtmlRenderer::mouseLeft() {
    if (document_ && document_->mouseLeave())
        pane_.viewport()->update();
}

void LitehtmlRenderer::showArea(const QRect& onPage) {
    ScrollIntoView(pane_, onPage);
}

void LitehtmlRenderer::select(int anchor, int caret) {
    if (document_ && document_->select(anchor, caret))
        caretMoved(true);
}

void LitehtmlRenderer::paint(QPaintEvent& event) {
    if (!document_)
        return;
    QPainter painter(pane_.viewport());
    // The selection takes the colours of the pane's palette, as an edit field's does.
    const QPalette& palette = pane_.palette();
    const PageDocument::PaintStyle style{palette.color(QPalette::Highlight),
                                         palette.color(QPalette::HighlightedText),
                                         palette.color(QPalette::Text), pane_.hasFocus()};
    document_->paint(painter, scrollPosition(), event.rect(), style);
}

void LitehtmlRenderer::resized() {
    if (!document_)
        return;
    // Both sizes matter: the pages stretch to the full height of the pane.
    document_->layout(pane_.viewport()->size());
    updateScrollBars();
}

// Every mouse event in the visible area is the page's: none goes on to the pane's parent.
bool LitehtmlRenderer::mouseEvent(QMouseEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        mousePress(event);
        break;
    case QEvent::MouseButtonDblClick:
        mouseDoubleClick(event);
        break;
    case QEvent::MouseButtonRelease:
        mouseRelease(event);
        break;
    case QEvent::MouseMove:
        mouseMove(event);
        break;
    default:
        return false;
    }
    return true;
}

void LitehtmlRenderer::mousePress(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return;
    const QPoint pos = event.position().toPoint();
    // A third press soon after a double click, where it was, selects the whole block.
    const bool third =
        sinceDoubleClick_.isValid() &&
        sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
        (pos - doubleClickPos_).manhattanLength() < QApplication::startDragDistance();
    sinceDoubleClick_.invalidate();
    const bool extend = event.modifiers() & Qt::ShiftModifier;
    pressed_.reset();
    if (!extend && !third)
        pressed_ = elementAtViewport(pos);
    pressAt(pos, third ? 3 : 1, extend);
}

void LitehtmlRenderer::mouseDoubleClick(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return;
    sinceDoubleClick_.start();
    doubleClickPos_ = event.position().toPoint();
    pressed_.reset();
    pressAt(doubleClickPos_, 2, false);
}

void LitehtmlRenderer::pressAt(QPoint viewportPos, int clicks, bool extend) {
    pressPos_ = viewportPos;
    dragging_ = document_ != nullptr;
    dragged_ = false;
    if (!document_)
        return;
    if (document_->focusedLink()) {
        document_->clearLinkFocus();
        pane_.viewport()->update();
    }
    caretMoved(document_->pressAt(viewportPos + scrollPosition(), clicks, extend));
}

void LitehtmlRenderer::mouseRelease(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return;
    dragging_ = false;
    // A click is a press and a release on the same element with no drag between; dragging
    // from text onto a link and letting go there is no click, nor is a drag that selects.
    const litehtml::element::ptr pressed = std::exchange(pressed_, {}).lock();
    if (pressed && !dragged_ && pressed == elementAtViewport(event.position().toPoint()))
        click(pressed);
}

void LitehtmlRenderer::followDrag(QPoint viewportPos) {
    if (!dragged_ &&
        (viewportPos - pressPos_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragged_ = true;
    // Dragging past an edge scrolls the page on.
    const QRect visible = pane_.viewport()->rect();
    const QPoint beyond(viewportPos.x() < 0                 ? viewportPos.x()
                        : viewportPos.x() > visible.right() ? viewportPos.x() - visible.right()
                                                            : 0,
                        viewportPos.y() < 0                  ? viewportPos.y()
                        : viewportPos.y() > visible.bottom() ? viewportPos.y() - visible.bottom()
                                                             : 0);
    pane_.horizontalScrollBar()->setValue(pane_.horizontalScrollBar()->value() + beyond.x());
    pane_.verticalScrollBar()->setValue(pane_.verticalScrollBar()->value() + beyond.y());
    if (document_->dragTo(viewportPos + scrollPosition()))
        caretMoved(true);
}

void LitehtmlRenderer::mouseMove(const QMouseEvent& event) {
    if (!document_)
        return;
    const QPoint pos = event.position().toPoint();
    if (dragging_ && (event.buttons() & Qt::LeftButton))
        followDrag(pos);
    if (document_->mouseOver(pos + scrollPosition(), pos))
        pane_.viewport()->update();
    if (document_->cursor() == "pointer")
        pane_.viewport()->setCursor(Qt::PointingHandCursor);
    else
        pane_.viewport()->unsetCursor();
}

void LitehtmlRenderer::scrolled() {
    pane_.viewport()->update();
}

void LitehtmlRenderer::focusEvent(QFocusEvent& event) {
    if (event.lostFocus()) {
        pane_.viewport()->update();
        return;
    }
    // Tab enters a page at its first link, Shift+Tab at its last.
    const Qt::FocusReason reason = event.reason();
    if (document_ && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
        document_->clearLinkFocus();
        document_->focusNextLink(reason == Qt::TabFocusReason);
    }
    linkFocusChanged();
}

bool LitehtmlRenderer::focusNextLink(bool next) {
    if (document_ && pane_.hasFocus() && document_->focusNextLink(next)) {
        linkFocusChanged();
        return true;
    }
    pane_.viewport()->update();
    return false;
}

void LitehtmlRenderer::linkFocusChanged() {
    pane_.viewport()->update();
    if (!document_ || !document_->focusedLink())
        return;
    const std::vector<QRect> boxes = document_->focusRects();
    QRect bounds;
    for (const QRect& box : boxes)
        bounds |= box;
    showArea(bounds);
    // After the pane's own focus report: Qt sends that once focusInEvent has returned, and
    // a reader takes the last one for where the focus is.
    QMetaObject::invokeMethod(
        &pane_, [&pane = pane_] { ReportFocusedLink(pane); }, Qt::QueuedConnection);
}

bool LitehtmlRenderer::keyPress(QKeyEvent& event) {
    const PaneKey key = PaneKeyFor(event);
    if (!document_ || key == PaneKey::None)
        return false;
    switch (key) {
    case PaneKey::Activate:
        if (const litehtml::element::ptr link = document_->focusedLink())
            click(link);
        else
            event.ignore();
        break;
    case PaneKey::SelectAll:
        if (document_->selectAll())
            caretMoved(true);
        break;
    case PaneKey::Copy:
        copy();
        break;
    default:
        scroll(key);
        break;
    }
    return true;
}

// The keys scroll as in a browser; a reader's caret moves along, line by line for the
// arrows, so that a screen reader reads what comes into view.
void LitehtmlRenderer::scroll(PaneKey key) {
    QScrollBar* vertical = pane_.verticalScrollBar();
    QScrollBar* horizontal = pane_.horizontalScrollBar();
    const PageText& text = document_->text();
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
        document_->select(document_->caret() + (key == PaneKey::Left ? -1 : 1),
                          document_->caret() + (key == PaneKey::Left ? -1 : 1));
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
        document_->select(text.lineStart(line), text.lineStart(line));
        caretMoved(true);
        return;
    }
    case PaneKey::Top:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        horizontal->triggerAction(QAbstractSlider::SliderToMinimum);
        document_->select(0, 0);
        caretMoved(true);
        return;
    case PaneKey::Bottom: {
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        const int last = text.lineStart(text.lineCount() - 1);
        document_->select(last, last);
        caretMoved(true);
        return;
    }
    default:
        return;
    }
}

// Moves the caret a line up or down and scrolls the page by as much, so the caret keeps
// its place in view; a caret out of view first comes to the top line in view.
void LitehtmlRenderer::moveCaretByLines(int lines) {
    const PageText& text = document_->text();
    QScrollBar* vertical = pane_.verticalScrollBar();
    const QRect visible(scrollPosition(), pane_.viewport()->size());
    int line = text.lineOf(document_->caret());
    if (!visible.intersects(text.lineBox(line))) {
        line = text.lineOf(text.offsetAt({0, visible.top()}));
        lines = 0;
    }
    const int target = std::clamp(line + lines, 0, text.lineCount() - 1);
    vertical->setValue(vertical->value() + text.lineBox(target).top() - text.lineBox(line).top());
    document_->select(text.lineStart(target), text.lineStart(target));
    showArea(text.lineBox(target));
    caretMoved(true);
}

void LitehtmlRenderer::caretMoved(bool selectionChanged) {
    pane_.viewport()->update();
    if (!QAccessible::isActive())
        return;
    if (selectionChanged) {
        const auto [from, to] = document_->selection();
        QAccessibleTextSelectionEvent selection(&pane_, from, to);
        selection.setCursorPosition(document_->caret());
        QAccessible::updateAccessibility(&selection);
    }
    QAccessibleTextCursorEvent cursor(&pane_, document_->caret());
    QAccessible::updateAccessibility(&cursor);
}

void LitehtmlRenderer::copy() const {
    if (!document_->hasSelection())
        return;
    auto* data = new QMimeData;
    data->setText(document_->selectedText());
    data->setHtml(document_->selectedHtml());
    QGuiApplication::clipboard()->setMimeData(data);
}

void LitehtmlRenderer::updateScrollBars() {
    const QSize content = document_->contentSize();
    const QSize visible = pane_.viewport()->size();
    pane_.horizontalScrollBar()->setRange(0, std::max(0, content.width() - visible.width()));
    pane_.horizontalScrollBar()->setPageStep(visible.width());
    pane_.horizontalScrollBar()->setSingleStep(20);
    pane_.verticalScrollBar()->setRange(0, std::max(0, content.height() - visible.height()));
    pane_.verticalScrollBar()->setPageStep(visible.height());
    pane_.verticalScrollBar()->setSingleStep(20);
}

} // namespace pages
