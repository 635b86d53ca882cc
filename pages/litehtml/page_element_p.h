// SPDX-License-Identifier: MIT
#pragma once

#include "pages/page_element.h"

#include <QRect>
#include <litehtml/litehtml.h>
#include <vector>

namespace pages {

// What element is, told in Qt's terms for code outside the pane.
PageElement DescribeElement(const litehtml::element::ptr& element);

// Whether element's tag name (lower case, as litehtml keeps it) is tag.
bool HasTag(const litehtml::element::ptr& element, const char* tag);

// Whether element starts and ends a block of text (a paragraph, cell, list item, line
// break) rather than running on inside a line.
bool IsBlock(const litehtml::element::ptr& element);

// Where element lies on the page, in page coordinates; for inline content such as a link's
// text, the union of its line boxes.
QRect ElementBounds(const litehtml::element::ptr& element);

// The line boxes of inline content, in page coordinates, in reading order; empty for an
// element with a box of its own.
std::vector<QRect> InlineBoxes(const litehtml::element::ptr& element);

// The nearest link (an <a> with href) at or around element, or nullptr.
litehtml::element::ptr EnclosingLink(litehtml::element::ptr element);

} // namespace pages
