// SPDX-License-Identifier: MIT
#include "pages/litehtml/page_element_p.h"
#include "pages/litehtml/page_nodes_p.h"

#include <QStringList>
#include <cstring>
#include <optional>
#include <utility>

namespace pages {
namespace {

struct BlockRole {
    PageNode::Kind kind;
    int level = 0;
};

// The role of an element that is a node of its own, besides links and images. A page marks
// a heading that is not an h1..h6 element (a coloured band in a table) with role="heading".
std::optional<BlockRole> RoleOf(const litehtml::element::ptr& element) {
    if (const litehtml::tchar_t* role = element->get_attr("role");
        role && std::strcmp(role, "heading") == 0)
        return BlockRole{PageNode::Kind::Heading,
                         QString::fromUtf8(element->get_attr("aria-level", "2")).toInt()};
    static constexpr const char* kHeadings[] = {"h1", "h2", "h3", "h4", "h5", "h6"};
    for (int level = 1; level <= 6; ++level) {
        if (HasTag(element, kHeadings[level - 1]))
            return BlockRole{PageNode::Kind::Heading, level};
    }
    if (HasTag(element, "ul") || HasTag(element, "ol"))
        return BlockRole{PageNode::Kind::List};
    if (HasTag(element, "li"))
        return BlockRole{PageNode::Kind::ListItem};
    if (HasTag(element, "p"))
        return BlockRole{PageNode::Kind::Paragraph};
    return std::nullopt;
}

// Reads the inside of one node. Text inside a node of its own becomes its name; loose text
// (in a box that only arranges content) becomes text nodes, split at blocks, links and
// images so that the reading order stays.
class NodeReader {
public:
    NodeReader(litehtml::element::ptr block, bool loose)
        : block_(std::move(block)), loose_(loose) {}

    void visit(const litehtml::element::ptr& element, std::vector<PageNode>& out) {
        if (element->get_display() == litehtml::display_none)
            return;
        if (HasTag(element, "img")) {
            flush(out);
            out.push_back({PageNode::Kind::Image,
                           QString::fromUtf8(element->get_attr("alt", "")).simplified(),
                           element,
                           {}});
            return;
        }
        if (HasTag(element, "a") && element->get_attr("href")) {
            flush(out);
            out.push_back(readLink(element));
            if (!loose_)
                text_ += u' ' + out.back().name + u' ';
            return;
        }
        if (const std::optional<BlockRole> role = RoleOf(element)) {
            flush(out);
            out.push_back(readOwn(*role, element));
            return;
        }
        if (element->get_children_count() == 0) {
            litehtml::tstring text;
            element->get_text(text);
            text_ += QString::fromUtf8(text);
            return;
        }
        visitBlock(element, IsBlock(element), out);
    }

    // Text gathered so far; for a node of its own, its name.
    QString text() const { return text_.simplified(); }

    void flush(std::vector<PageNode>& out) {
        if (!loose_)
            return;
        const QString text = std::exchange(text_, QString()).simplified();
        if (!text.isEmpty())
            out.push_back({PageNode::Kind::Text, text, block_, {}});
    }

private:
    void visitBlock(const litehtml::element::ptr& element, bool breaks,
                    std::vector<PageNode>& out) {
        if (breaks) {
            flush(out);
            text_ += u' ';
        }
        const litehtml::element::ptr outerBlock =
            breaks && loose_ ? std::exchange(block_, element) : block_;
        for (size_t i = 0; i < element->get_children_count(); ++i)
            visit(element->get_child(static_cast<int>(i)), out);
        if (breaks) {
            flush(out);
            text_ += u' ';
            block_ = outerBlock;
        }
    }

    static PageNode readOwn(BlockRole role, const litehtml::element::ptr& element) {
        PageNode node{role.kind, {}, element, {}, role.level};
        NodeReader inner(element, false);
        for (size_t i = 0; i < element->get_children_count(); ++i)
            inner.visit(element->get_child(static_cast<int>(i)), node.children);
        if (role.kind != PageNode::Kind::List)
            node.name = inner.text();
        return node;
    }

    static PageNode readLink(const litehtml::element::ptr& link) {
        PageNode node = readOwn({PageNode::Kind::Link}, link);
        if (node.name.isEmpty()) {
            QStringList alternatives;
            for (const PageNode& child : node.children)
                alternatives.append(child.name);
            node.name = alternatives.join(u' ');
        }
        return node;
    }

    litehtml::element::ptr block_;
    bool loose_;
    QString text_;
};

} // namespace

std::vector<PageNode> ReadPageNodes(const litehtml::element::ptr& root) {
    std::vector<PageNode> nodes;
    NodeReader reader(root, true);
    reader.visit(root, nodes);
    reader.flush(nodes);
    return nodes;
}

} // namespace pages
