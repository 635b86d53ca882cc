// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <litehtml/litehtml.h>
#include <vector>

namespace pages {

// A page as a screen reader walks it: runs of text, links and images in reading order.
// A link's images are its children; a link is named by its text, or by the alternative
// text of its images when it has none.
struct PageNode {
    enum class Kind { Text, Link, Image };
    Kind kind;
    QString name;
    litehtml::element::weak_ptr element; // the block for text, else the <a> or <img>
    std::vector<PageNode> children;
};

std::vector<PageNode> ReadPageNodes(const litehtml::element::ptr& root);

} // namespace pages
