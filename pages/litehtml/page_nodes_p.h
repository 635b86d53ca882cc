// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <litehtml/litehtml.h>
#include <vector>

namespace pages {

// A page as a screen reader walks it: headings, lists and their items, paragraphs, runs of
// loose text, links and images, in reading order. Tables and other boxes that only arrange
// content are left out; what they hold takes their place. A heading, list item or paragraph
// is named by its text and holds its links, images and inner lists; a link is named by its
// text, or by the alternative text of its images when it has none.
struct PageNode {
    enum class Kind { Text, Paragraph, Heading, List, ListItem, Link, Image };
    Kind kind;
    QString name;
    litehtml::element::weak_ptr element; // the block for loose text
    std::vector<PageNode> children;
    int level = 0; // of a heading
};

std::vector<PageNode> ReadPageNodes(const litehtml::element::ptr& root);

} // namespace pages
