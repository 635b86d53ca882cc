// SPDX-License-Identifier: MIT
#include "page_nodes.h"

#include "page_element.h"

#include <QStringList>
#include <utility>

namespace pages {
namespace {

// Text on either side of a block boundary is read as two runs.
bool BreaksText(const litehtml::element::ptr& element) {
    switch (element->get_display()) {
    case litehtml::display_inline:
    case litehtml::display_inline_block:
    case litehtml::display_inline_text:
        return HasTag(element, "br");
    default:
        return true;
    }
}

class NodeReader {
public:
    explicit NodeReader(litehtml::element::ptr block) : block_(std::move(block)) {}

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
            return;
        }
        const bool breaks = BreaksText(element);
        if (breaks)
            flush(out);
        const litehtml::element::ptr outerBlock = breaks ? std::exchange(block_, element) : block_;
        if (element->get_children_count() == 0) {
            litehtml::tstring text;
            element->get_text(text);
            text_ += QString::fromUtf8(text);
        }
        for (size_t i = 0; i < element->get_children_count(); ++i)
            visit(element->get_child(static_cast<int>(i)), out);
        if (breaks) {
            flush(out);
            block_ = outerBlock;
        }
    }

    void flush(std::vector<PageNode>& out) {
        const QString text = std::exchange(text_, QString()).simplified();
        if (!text.isEmpty())
            out.push_back({PageNode::Kind::Text, text, block_, {}});
    }

private:
    PageNode readLink(const litehtml::element::ptr& link) {
        PageNode node{PageNode::Kind::Link, {}, link, {}};
        NodeReader inner(link);
        std::vector<PageNode> inside;
        for (size_t i = 0; i < link->get_children_count(); ++i)
            inner.visit(link->get_child(static_cast<int>(i)), inside);
        inner.flush(inside);
        QStringList text;
        QStringList alternatives;
        for (PageNode& child : inside) {
            if (child.kind == PageNode::Kind::Text) {
                text.append(child.name);
            } else {
                alternatives.append(child.name);
                node.children.push_back(std::move(child));
            }
        }
        node.name = (text.isEmpty() ? alternatives : text).join(u' ');
        return node;
    }

    litehtml::element::ptr block_;
    QString text_;
};

} // namespace

std::vector<PageNode> ReadPageNodes(const litehtml::element::ptr& root) {
    std::vector<PageNode> nodes;
    NodeReader reader(root);
    reader.visit(root, nodes);
    reader.flush(nodes);
    return nodes;
}

} // namespace pages
