// SPDX-License-Identifier: MIT
#include "pages/litehtml/page_document_p.h"

#include <QFile>
#include <QPainter>
#include <QPen>
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

void FindLinks(const litehtml::element::ptr& element, std::vector<litehtml::element::ptr>& links) {
    if (element->get_display() == litehtml::display_none)
        return;
    if (HasTag(element, "a") && element->get_attr("href")) {
        links.push_back(element);
        return;
    }
    for (size_t i = 0; i < element->get_children_count(); ++i)
        FindLinks(element->get_child(static_cast<int>(i)), links);
}

} // namespace

PageDocument::PageDocument(QString address, const ResourceReader& read)
    : address_(std::move(address)), container_(address_, read) {}

std::shared_ptr<PageDocument> PageDocument::create(const QByteArray& html, const QString& address,
                                                   QSize clientSize, const ResourceReader& read) {
    std::shared_ptr<PageDocument> document(new PageDocument(address, read));
    document->container_.setClientSize(clientSize);
    document->html_ =
        litehtml::document::createFromUTF8(html.constData(), &document->container_, &Context());
    document->render(clientSize.width());
    return document;
}

// A page wider than the pane is laid out again at its own width, so that boxes sized to the
// pane (the body's frame, full-width bands) reach across all of it instead of ending, and
// drawing their edge, in the middle of the text.
void PageDocument::render(int width) {
    html_->render(width);
    if (html_->width() > width)
        html_->render(html_->width());
    text_.reset();
}

const std::vector<PageNode>& PageDocument::nodes() const {
    if (!nodes_)
        nodes_ = ReadPageNodes(html_->root());
    return *nodes_;
}

const PageText& PageDocument::text() const {
    if (!text_)
        text_.emplace(html_->root(), container_);
    return *text_;
}

bool PageDocument::select(int anchor, int caret) {
    const int length = text().length();
    anchor = std::clamp(anchor, 0, length);
    caret = std::clamp(caret, 0, length);
    if (anchor == anchor_ && caret == caret_)
        return false;
    anchor_ = anchor;
    caret_ = caret;
    return true;
}

QString PageDocument::selectedText() const {
    const auto [from, to] = selection();
    return text().text().mid(from, to - from);
}

QString PageDocument::selectedHtml() const {
    const auto [from, to] = selection();
    return text().html(from, to);
}

bool PageDocument::pressAt(QPoint docPos, int clicks, bool extend) {
    const int at = text().offsetAt(docPos);
    if (clicks == 2) {
        const auto [start, end] = text().wordAt(at);
        return select(start, end);
    }
    if (clicks >= 3) {
        const auto [start, end] = text().blockAt(at);
        return select(start, end);
    }
    return select(extend ? anchor_ : at, at);
}

bool PageDocument::dragTo(QPoint docPos) {
    return select(anchor_, text().offsetAt(docPos));
}

const std::vector<litehtml::element::ptr>& PageDocument::linkStops() const {
    if (!linkStops_) {
        linkStops_.emplace();
        FindLinks(html_->root(), *linkStops_);
    }
    return *linkStops_;
}

bool PageDocument::focusNextLink(bool forward) {
    const std::vector<litehtml::element::ptr>& stops = linkStops();
    const auto current = std::find(stops.begin(), stops.end(), focusedLink_.lock());
    std::ptrdiff_t next = -1;
    if (current == stops.end())
        next = forward ? 0 : static_cast<std::ptrdiff_t>(stops.size()) - 1;
    else
        next = (current - stops.begin()) + (forward ? 1 : -1);
    if (next < 0 || next >= static_cast<std::ptrdiff_t>(stops.size())) {
        focusedLink_.reset();
        return false;
    }
    focusedLink_ = stops[static_cast<size_t>(next)];
    return true;
}

std::vector<QRect> PageDocument::focusRects() const {
    const litehtml::element::ptr link = focusedLink();
    if (!link)
        return {};
    std::vector<QRect> boxes = InlineBoxes(link);
    // A link around a floated image has no line boxes of its own.
    if (std::all_of(boxes.begin(), boxes.end(), [](const QRect& box) { return box.isEmpty(); }))
        boxes = {ElementBounds(link)};
    std::erase_if(boxes, [](const QRect& box) { return box.isEmpty(); });
    return boxes;
}

bool PageDocument::dispatchClick(const litehtml::element::ptr& element) {
    if (!onClick_)
        return true;
    // The handler runs on a copy: it may attach again (and so replace onClick_) while a
    // modal box it opened keeps it running.
    const ClickHandler handler = onClick_;
    return handler(DescribeElement(element));
}

void PageDocument::layout(QSize clientSize) {
    container_.setClientSize(clientSize);
    html_->media_changed();
    render(clientSize.width());
}

QSize PageDocument::contentSize() const {
    return QSize(html_->width(), html_->height());
}

void PageDocument::paint(QPainter& painter, QPoint scroll, const QRect& clip,
                         const PaintStyle& style) {
    const litehtml::position area(clip.x(), clip.y(), clip.width(), clip.height());
    html_->draw(reinterpret_cast<litehtml::uint_ptr>(&painter), -scroll.x(), -scroll.y(), &area);
    if (!hasSelection() && !(style.showFocus && focusedLink()))
        return;
    painter.save();
    painter.translate(-scroll);
    if (hasSelection()) {
        const auto [from, to] = selection();
        text().paintSelection(painter, from, to, style.highlight, style.highlightedText);
    }
    if (style.showFocus) {
        painter.setPen(QPen(style.focusFrame, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        for (const QRect& box : focusRects())
            painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    painter.restore();
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
