// SPDX-License-Identifier: MIT
#include "pages/litehtml/page_element_p.h"

#include <cstring>

namespace pages {

PageElement DescribeElement(const litehtml::element::ptr& element) {
    litehtml::tstring text;
    element->get_text(text);
    return PageElement{QString::fromUtf8(element->get_tagName()).toUpper(),
                       QString::fromUtf8(element->get_attr("id", "")),
                       QString::fromUtf8(text).simplified(), ElementBounds(element),
                       InlineBoxes(element)};
}

bool HasTag(const litehtml::element::ptr& element, const char* tag) {
    const litehtml::tchar_t* own = element->get_tagName();
    return own && std::strcmp(own, tag) == 0;
}

bool IsBlock(const litehtml::element::ptr& element) {
    switch (element->get_display()) {
    case litehtml::display_inline:
    case litehtml::display_inline_block:
    case litehtml::display_inline_text:
        return HasTag(element, "br");
    default:
        return true;
    }
}

QRect ElementBounds(const litehtml::element::ptr& element) {
    const litehtml::position placement = element->get_placement();
    const QRect place(placement.x, placement.y, placement.width, placement.height);
    if (!place.isEmpty())
        return place;
    QRect bounds;
    for (const QRect& box : InlineBoxes(element))
        bounds |= box;
    if (!bounds.isEmpty())
        return bounds;
    // A link around a floated image has no line boxes: it covers what it holds.
    for (size_t i = 0; i < element->get_children_count(); ++i)
        bounds |= ElementBounds(element->get_child(static_cast<int>(i)));
    return bounds;
}

std::vector<QRect> InlineBoxes(const litehtml::element::ptr& element) {
    const litehtml::position placement = element->get_placement();
    if (placement.width > 0 && placement.height > 0)
        return {};
    // An inline element has no box of its own: its line boxes are kept relative to the
    // block that lays out its lines, which is where its placement points.
    litehtml::position::vector boxes;
    element->get_inline_boxes(boxes);
    std::vector<QRect> onPage;
    for (const litehtml::position& box : boxes)
        onPage.push_back(QRect(box.x + placement.x, box.y + placement.y, box.width, box.height));
    return onPage;
}

litehtml::element::ptr EnclosingLink(litehtml::element::ptr element) {
    for (; element; element = element->parent()) {
        if (HasTag(element, "a") && element->get_attr("href"))
            return element;
    }
    return nullptr;
}

} // namespace pages
