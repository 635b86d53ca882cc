// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <vector>

namespace pages {

// An element of a page as code outside the pane sees it: what a click handler is told, and
// what the pane answers when asked about the page it shows.
struct PageElement {
    QString tagName; // in upper case, as HTML reports it ("A", "IMG")
    QString id;      // "" when the element has none
    QString text;    // the text it holds, blanks collapsed
    QRect bounds;    // where it lies on the page, in page coordinates
    // The line boxes of inline content (a link's text) in reading order, in page
    // coordinates; empty for an element with a box of its own.
    std::vector<QRect> lineBoxes;

    friend bool operator==(const PageElement&, const PageElement&) = default;
};

} // namespace pages
