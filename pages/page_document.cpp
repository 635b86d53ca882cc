// SPDX-License-Identifier: MIT
#include "page_document.h"

#include <QFile>
#include <QPainter>
#include <utility>

namespace pages {
namespace {

// litehtml ships no default styles; ours gives HTML elements their usual display and
// spacing. The context keeps every sheet it is given, so there is one for the process.
struct UserAgentContext {
    UserAgentContext() {
        QFile sheet(QStringLiteral(":/pane/user-agent.css"));
        sheet.open(QIODevice::ReadOnly);
        context.load_master_stylesheet(sheet.readAll().constData());
    }
    litehtml::context context;
};

litehtml::context& Context() {
    static UserAgentContext userAgent;
    return userAgent.context;
}

bool IsAnonymous(const litehtml::element::ptr& element) {
    const litehtml::tchar_t* tag = element->get_tagName();
    return !tag || !*tag;
}

} // namespace

PageDocument::PageDocument(QString address) : address_(std::move(address)), container_(address_) {}

std::shared_ptr<PageDocument> PageDocument::create(const QByteArray& html, const QString& address,
                                                   QSize clientSize) {
    std::shared_ptr<PageDocument> document(new PageDocument(address));
    document->container_.setClientSize(clientSize);
    document->html_ =
        litehtml::document::createFromUTF8(html.constData(), &document->container_, &Context());
    document->html_->render(clientSize.width());
    document->nodes_ = ReadPageNodes(document->html_->root());
    return document;
}

bool PageDocument::dispatchClick(const litehtml::element::ptr& element) {
    if (!onClick_)
        return true;
    // The handler runs on a copy: it may attach again (and so replace onClick_) while a
    // modal box it opened keeps it running.
    const ClickHandler handler = onClick_;
    std::optional<PageEvent> outer =
        std::exchange(window_->event_, PageEvent{DescribeElement(element)});
    const bool goOn = handler();
    window_->event_ = std::move(outer);
    return goOn;
}

void PageDocument::layout(QSize clientSize) {
    container_.setClientSize(clientSize);
    html_->media_changed();
    html_->render(clientSize.width());
}

QSize PageDocument::contentSize() const {
    return QSize(html_->width(), html_->height());
}

void PageDocument::paint(QPainter& painter, QPoint scroll, const QRect& clip) {
    const litehtml::position area(clip.x(), clip.y(), clip.width(), clip.height());
    html_->draw(reinterpret_cast<litehtml::uint_ptr>(&painter), -scroll.x(), -scroll.y(), &area);
}

bool PageDocument::mouseOver(QPoint docPos, QPoint clientPos) {
    litehtml::position::vector redraw;
    return html_->on_mouse_over(docPos.x(), docPos.y(), clientPos.x(), clientPos.y(), redraw);
}

bool PageDocument::mouseLeave() {
    litehtml::position::vector redraw;
    return html_->on_mouse_leave(redraw);
}

litehtml::element::ptr PageDocument::elementAt(QPoint docPos, QPoint clientPos) const {
    litehtml::element::ptr element =
        html_->root()->get_element_by_point(docPos.x(), docPos.y(), clientPos.x(), clientPos.y());
    while (element && IsAnonymous(element))
        element = element->parent();
    return element;
}

} // namespace pages
