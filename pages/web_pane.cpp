// SPDX-License-Identifier: MIT
#include "web_pane.h"

#include "resource_resolver.h"
#include "web_pane_accessible.h"

#include <QAccessible>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <utility>

namespace pages {
namespace {

QByteArray NotFoundPage() {
    QFile page(QStringLiteral(":/pane/not-found.html"));
    page.open(QIODevice::ReadOnly);
    return page.readAll();
}

} // namespace

WebPane::WebPane(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallWebPaneAccessibility();
    // The pages draw their own frame.
    setFrameShape(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setMouseTracking(true);
    // No menu, not even the parent's: NoContextMenu would pass the request up to the window.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
}

void WebPane::navigate(const QString& address) {
    request({address, std::nullopt});
}

void WebPane::setHtml(const QByteArray& html, const QString& address) {
    request({address, html});
}

// A pane on a tab nobody has opened yet waits until it is shown: the window then opens
// without first laying out pages no one sees.
void WebPane::request(Request request) {
    const bool queued = requested_.has_value() && isVisible();
    requested_ = std::move(request);
    if (!queued && isVisible())
        QMetaObject::invokeMethod(this, &WebPane::loadRequested, Qt::QueuedConnection);
}

void WebPane::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (requested_ && !event->spontaneous())
        QMetaObject::invokeMethod(this, &WebPane::loadRequested, Qt::QueuedConnection);
}

void WebPane::loadRequested() {
    if (!requested_)
        return; // loaded already by an earlier call
    const Request request = *std::exchange(requested_, std::nullopt);
    std::optional<QByteArray> html = request.html ? request.html : ReadBuiltIn(request.address);
    if (!html)
        html = NotFoundPage();
    document_ = PageDocument::create(*html, request.address, viewport()->size());
    pressed_.reset();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->unsetCursor();
    viewport()->update();
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
    emit documentComplete(this, request.address);
}

void WebPane::click(const litehtml::element::ptr& element) {
    // Held here: the handler may open a modal box during which this pane loads another page.
    const std::shared_ptr<PageDocument> document = document_;
    if (!document || !document->dispatchClick(element))
        return;
    const litehtml::element::ptr link = EnclosingLink(element);
    if (!link)
        return;
    const QString href = QString::fromUtf8(link->get_attr("href"));
    // A link to a place on the same page: the pages have no named places to jump to.
    if (href.startsWith(u'#'))
        return;
    navigate(ResolveRelative(document->address(), href));
}

QPoint WebPane::scrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

bool WebPane::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave && document_ && document_->mouseLeave())
        viewport()->update();
    return QAbstractScrollArea::viewportEvent(event);
}

void WebPane::paintEvent(QPaintEvent* event) {
    if (!document_)
        return;
    QPainter painter(viewport());
    document_->paint(painter, scrollPosition(), event->rect());
}

void WebPane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!document_)
        return;
    // Both sizes matter: the pages stretch to the full height of the pane.
    document_->layout(viewport()->size());
    updateScrollBars();
}

void WebPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = elementAt(event->position().toPoint());
}

void WebPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // A click is a press and a release on the same element; dragging from text onto a
    // link and letting go there is no click.
    const litehtml::element::ptr pressed = std::exchange(pressed_, {}).lock();
    if (pressed && pressed == elementAt(event->position().toPoint()))
        click(pressed);
}

void WebPane::mouseMoveEvent(QMouseEvent* event) {
    if (!document_)
        return;
    const QPoint pos = event->position().toPoint();
    if (document_->mouseOver(pos + scrollPosition(), pos))
        viewport()->update();
    if (document_->cursor() == "pointer")
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void WebPane::scrollContentsBy(int, int) {
    viewport()->update();
}

void WebPane::updateScrollBars() {
    const QSize content = document_->contentSize();
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
    verticalScrollBar()->setSingleStep(20);
}

litehtml::element::ptr WebPane::elementAt(QPoint viewportPos) const {
    if (!document_)
        return nullptr;
    return document_->elementAt(viewportPos + scrollPosition(), viewportPos);
}

} // namespace pages
