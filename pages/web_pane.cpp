// SPDX-License-Identifier: MIT
// How a pane is asked for a page and when it loads it; everything else is its renderer's.
#include "pages/web_pane.h"

#include "pages/page_log_p.h"
#include "pages/page_renderer_p.h"
#include "pages/resource_resolver.h"

#include <QAccessible>
#include <QFile>
#include <QShowEvent>
#include <mutex>
#include <utility>

namespace pages {
namespace {

QByteArray NotFoundPage() {
    QFile page(QStringLiteral(":/pane/not-found.html"));
    page.open(QIODevice::ReadOnly);
    return page.readAll();
}

} // namespace

WebPane::WebPane(QWidget* parent) : QAbstractScrollArea(parent), read_(ReadBuiltIn) {
    static std::once_flag accessible;
    std::call_once(accessible, [] { QAccessible::installFactory(&WebPane::accessibleFor); });
    // The pages draw their own frame. No menu, not even the parent's: NoContextMenu would
    // pass the request up to the window.
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::PreventContextMenu);
    renderer_ = MakePageRenderer(*this, [this](const QString& address) { navigate(address); });
}

WebPane::~WebPane() = default;

QAccessibleInterface* WebPane::accessibleFor(const QString&, QObject* object) {
    auto* pane = qobject_cast<WebPane*>(object);
    // Asked while the pane is being made, it is Qt's until its renderer is there.
    return pane && pane->renderer_ ? pane->renderer_->makeAccessible() : nullptr;
}

void WebPane::setResourceReader(ResourceReader reader) {
    read_ = std::move(reader);
}

// A pane on a tab nobody has opened yet waits until it is shown: the window then opens
// without first laying out pages no one sees.
void WebPane::navigate(const QString& address) {
    const bool queued = requested_.has_value() && isVisible();
    requested_ = address;
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
    const QString address = *std::exchange(requested_, std::nullopt);
    std::optional<QByteArray> html = read_(address);
    if (!html) {
        qCInfo(lcPages, "nothing to show at %ls: showing the not-found page",
               qUtf16Printable(address));
        html = NotFoundPage();
    }
    renderer_->show(address, *html, read_);
    emit documentComplete(this, address);
}

void WebPane::setClickHandler(ClickHandler handler) {
    renderer_->setClickHandler(std::move(handler));
}

bool WebPane::hasPage() const {
    return renderer_->hasPage();
}

QString WebPane::address() const {
    return renderer_->address();
}

QString WebPane::title() const {
    return renderer_->title();
}

QSize WebPane::contentSize() const {
    return renderer_->contentSize();
}

std::vector<PageElement> WebPane::elements(const QString& selector) const {
    return renderer_->elements(selector);
}

std::optional<PageElement> WebPane::elementAt(QPoint onPage) const {
    return renderer_->elementAt(onPage);
}

std::optional<PageElement> WebPane::focusedLink() const {
    return renderer_->focusedLink();
}

std::vector<QRect> WebPane::focusRects() const {
    return renderer_->focusRects();
}

QString WebPane::selectedText() const {
    return renderer_->selectedText();
}

bool WebPane::hasSelection() const {
    return renderer_->hasSelection();
}

QPoint WebPane::scrollPosition() const {
    return renderer_->scrollPosition();
}

void WebPane::showArea(const QRect& onPage) {
    renderer_->showArea(onPage);
}

void WebPane::select(int anchor, int caret) {
    renderer_->select(anchor, caret);
}

bool WebPane::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave)
        renderer_->mouseLeft();
    return QAbstractScrollArea::viewportEvent(event);
}

void WebPane::paintEvent(QPaintEvent* event) {
    renderer_->paint(*event);
}

void WebPane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    renderer_->resized();
}

void WebPane::scrollContentsBy(int, int) {
    renderer_->scrolled();
}

void WebPane::mousePressEvent(QMouseEvent* event) {
    if (!renderer_->mouseEvent(*event))
        QAbstractScrollArea::mousePressEvent(event);
}

void WebPane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!renderer_->mouseEvent(*event))
        QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void WebPane::mouseReleaseEvent(QMouseEvent* event) {
    if (!renderer_->mouseEvent(*event))
        QAbstractScrollArea::mouseReleaseEvent(event);
}

void WebPane::mouseMoveEvent(QMouseEvent* event) {
    if (!renderer_->mouseEvent(*event))
        QAbstractScrollArea::mouseMoveEvent(event);
}

void WebPane::keyPressEvent(QKeyEvent* event) {
    if (!renderer_->keyPress(*event))
        QAbstractScrollArea::keyPressEvent(event);
}

void WebPane::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    renderer_->focusEvent(*event);
}

void WebPane::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    renderer_->focusEvent(*event);
}

bool WebPane::focusNextPrevChild(bool next) {
    return renderer_->focusNextLink(next) || QAbstractScrollArea::focusNextPrevChild(next);
}

} // namespace pages
