// SPDX-License-Identifier: MIT
#include "pages/litehtml/litehtml_renderer_p.h"
#include "pages/litehtml/web_pane_accessible_p.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QTextBoundaryFinder>
#include <unordered_map>

namespace pages {
namespace {

class WebPaneAccessible;

// The piece of text of the given kind around offset, as [start, end).
std::pair<int, int> SegmentAt(const PageText& text, int offset,
                              QAccessible::TextBoundaryType boundary) {
    const int length = text.length();
    switch (boundary) {
    case QAccessible::CharBoundary:
        return {offset, std::min(offset + 1, length)};
    case QAccessible::WordBoundary:
        return text.wordAt(offset);
    case QAccessible::SentenceBoundary: {
        QTextBoundaryFinder sentences(QTextBoundaryFinder::Sentence, text.text());
        sentences.setPosition(std::min(offset, length));
        const int start = sentences.isAtBoundary() && offset < length
                              ? offset
                              : static_cast<int>(sentences.toPreviousBoundary());
        sentences.setPosition(std::min(offset, length));
        const int end = static_cast<int>(sentences.toNextBoundary());
        return {std::max(start, 0), end < 0 ? length : end};
    }
    case QAccessible::LineBoundary: {
        const int line = text.lineOf(offset);
        return {text.lineStart(line), text.lineEnd(line)};
    }
    case QAccessible::ParagraphBoundary: {
        const auto [start, end] = text.blockAt(offset);
        return {start, std::min(end + 1, length)}; // with its line break
    }
    case QAccessible::NoBoundary:
        break;
    }
    return {0, length};
}

QString TextPiece(const PageText& text, std::pair<int, int> segment, int* start, int* end) {
    *start = segment.first;
    *end = segment.second;
    return text.text().mid(segment.first, segment.second - segment.first);
}

// One text run, link or image of the page shown when the interface was made; it turns
// invalid when the pane shows another page.
class PageNodeAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageNodeAccessible(WebPaneAccessible& pane, const PageNode& node, const PageNode* parent)
        : pane_(pane), node_(node), parent_(parent) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return static_cast<int>(node_.children.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool pressable() const {
        return node_.kind == PageNode::Kind::Link ||
               (node_.kind == PageNode::Kind::Image && parent_ &&
                parent_->kind == PageNode::Kind::Link);
    }

    WebPaneAccessible& pane_;
    const PageNode& node_;
    const PageNode* parent_; // nullptr for the page's own children
};

class WebPaneAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    WebPaneAccessible(QAbstractScrollArea& pane, LitehtmlRenderer& renderer)
        : QAccessibleWidget(&pane, QAccessible::Document), renderer_(renderer) {}
    ~WebPaneAccessible() override { forgetNodes(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && renderer_.document())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    // The interface of the node showing element, or nullptr.
    QAccessibleInterface* interfaceOf(const litehtml::element::ptr& element) const {
        return nodes() ? findIn(*nodes(), nullptr, element) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        const std::shared_ptr<PageDocument>& document = renderer_.document();
        if (!document || !pane()->hasFocus() || !document->focusedLink())
            return nullptr;
        return interfaceOf(document->focusedLink());
    }

    // The text interface: the page's text in reading order.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && document()->hasSelection())
            std::tie(*startOffset, *endOffset) = document()->selection();
    }
    int selectionCount() const override { return document()->hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        renderer_.select(startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0)
            renderer_.select(document()->caret(), document()->caret());
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0)
            renderer_.select(startOffset, endOffset);
    }
    int cursorPosition() const override { return document()->caret(); }
    void setCursorPosition(int position) override {
        renderer_.select(position, position);
        scrollToSubstring(position, position + 1);
    }
    QString text(int startOffset, int endOffset) const override {
        return document()->text().text().mid(startOffset, endOffset - startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override {
        const PageText& text = document()->text();
        const int start = SegmentAt(text, offset, boundaryType).first;
        if (start <= 0)
            return TextPiece(text, {0, 0}, startOffset, endOffset);
        return TextPiece(text, SegmentAt(text, start - 1, boundaryType), startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override {
        const PageText& text = document()->text();
        const int end = SegmentAt(text, offset, boundaryType).second;
        if (end >= text.length())
            return TextPiece(text, {text.length(), text.length()}, startOffset, endOffset);
        return TextPiece(text, SegmentAt(text, end, boundaryType), startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override {
        const PageText& text = document()->text();
        offset = std::clamp(offset, 0, text.length());
        return TextPiece(text, SegmentAt(text, offset, boundaryType), startOffset, endOffset);
    }
    int characterCount() const override { return document()->text().length(); }
    QRect characterRect(int offset) const override {
        return screenRect(document()->text().characterRect(offset));
    }
    int offsetAtPoint(const QPoint& point) const override {
        // The character under point, where a caret placed there would stand after it
        // when the point is on its right half.
        const QPoint onPage = pane()->viewport()->mapFromGlobal(point) + renderer_.scrollPosition();
        const int offset = document()->text().offsetAt(onPage);
        const bool onLeft =
            offset > 0 && document()->text().characterRect(offset - 1).contains(onPage);
        return onLeft ? offset - 1 : offset;
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        QRect area;
        for (const QRect& box : document()->text().rangeRects(startIndex, endIndex))
            area |= box;
        if (!area.isEmpty())
            renderer_.showArea(area);
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = offset < characterCount() ? characterCount() : offset;
        return {};
    }

    QAbstractScrollArea* pane() const { return static_cast<QAbstractScrollArea*>(widget()); }
    LitehtmlRenderer& renderer() const { return renderer_; }

    // The interface of node, a child of parent (nullptr: of the page itself), made once per
    // page shown.
    QAccessibleInterface* nodeInterface(const PageNode& node, const PageNode* parent) const {
        const std::shared_ptr<PageDocument>& document = renderer_.document();
        if (document != nodesOf_) {
            forgetNodes();
            nodesOf_ = document;
        }
        auto found = ids_.find(&node);
        if (found == ids_.end()) {
            // Qt's interfaces hand out non-const parents; this one is not changed through it.
            auto* made =
                new PageNodeAccessible(const_cast<WebPaneAccessible&>(*this), node, parent);
            found = ids_.emplace(&node, QAccessible::registerAccessibleInterface(made)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    const std::vector<PageNode>* nodes() const {
        const std::shared_ptr<PageDocument>& document = renderer_.document();
        return document ? &document->nodes() : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && pane()->accessibleName().isEmpty() && renderer_.document())
            return renderer_.document()->title();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return nodes() ? static_cast<int>(nodes()->size()) : 0; }

    QAccessibleInterface* child(int index) const override {
        if (!nodes() || index < 0 || index >= childCount())
            return nullptr;
        return nodeInterface((*nodes())[static_cast<size_t>(index)], nullptr);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }

    // Where element of the page shown lies on the screen.
    QRect screenRect(const litehtml::element::ptr& element) const {
        return screenRect(ElementBounds(element));
    }
    QRect screenRect(const QRect& onPage) const {
        const QWidget* viewport = pane()->viewport();
        return QRect(viewport->mapToGlobal(onPage.topLeft() - renderer_.scrollPosition()),
                     onPage.size());
    }

    bool isFocused(const litehtml::element::ptr& element) const {
        const std::shared_ptr<PageDocument>& document = renderer_.document();
        return document && pane()->hasFocus() && document->focusedLink() == element;
    }

    // Whether node belongs to the page shown now.
    bool shows(const PageNode& node) const {
        return nodesOf_ && nodesOf_ == renderer_.document() && !node.element.expired();
    }

private:
    // Only asked while a page is shown: a pane without one has no text interface.
    const PageDocument* document() const { return renderer_.document().get(); }

    QAccessibleInterface* findIn(const std::vector<PageNode>& nodes, const PageNode* parent,
                                 const litehtml::element::ptr& element) const {
        for (const PageNode& node : nodes) {
            if (node.element.lock() == element)
                return nodeInterface(node, parent);
            if (QAccessibleInterface* found = findIn(node.children, &node, element))
                return found;
        }
        return nullptr;
    }

    void forgetNodes() const {
        for (const auto& [node, id] : ids_)
            QAccessible::deleteAccessibleInterface(id);
        ids_.clear();
    }

    LitehtmlRenderer& renderer_;
    // The interfaces made for the page nodesOf_; they point into its nodes.
    mutable std::shared_ptr<PageDocument> nodesOf_;
    mutable std::unordered_map<const PageNode*, QAccessible::Id> ids_;
};

bool PageNodeAccessible::isValid() const {
    return pane_.shows(node_);
}

QWindow* PageNodeAccessible::window() const {
    return pane_.window();
}

QAccessibleInterface* PageNodeAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        if (child(i)->rect().contains(x, y))
            return child(i);
    }
    return nullptr;
}

QAccessibleInterface* PageNodeAccessible::parent() const {
    if (!parent_)
        return &pane_;
    return pane_.nodeInterface(*parent_, nullptr);
}

QAccessibleInterface* PageNodeAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return pane_.nodeInterface(node_.children[static_cast<size_t>(index)], &node_);
}

int PageNodeAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (this->child(i) == child)
            return i;
    }
    return -1;
}

QString PageNodeAccessible::text(QAccessible::Text t) const {
    // Paragraphs, list items and loose text are read through the page's text; named, they
    // would be read out again around every link inside them.
    const bool named = node_.kind == PageNode::Kind::Heading ||
                       node_.kind == PageNode::Kind::Link || node_.kind == PageNode::Kind::Image;
    return t == QAccessible::Name && named ? node_.name : QString();
}

QRect PageNodeAccessible::rect() const {
    const litehtml::element::ptr element = node_.element.lock();
    return element && isValid() ? pane_.screenRect(element) : QRect();
}

QAccessible::Role PageNodeAccessible::role() const {
    switch (node_.kind) {
    case PageNode::Kind::Paragraph:
        return QAccessible::Paragraph;
    case PageNode::Kind::Heading:
        return QAccessible::Heading;
    case PageNode::Kind::List:
        return QAccessible::List;
    case PageNode::Kind::ListItem:
        return QAccessible::ListItem;
    case PageNode::Kind::Link:
        return QAccessible::Link;
    case PageNode::Kind::Image:
        return QAccessible::Graphic;
    case PageNode::Kind::Text:
        break;
    }
    return QAccessible::StaticText;
}

QAccessible::State PageNodeAccessible::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    state.readOnly = true;
    state.linked = pressable();
    state.focusable = node_.kind == PageNode::Kind::Link;
    state.focused = state.focusable && pane_.isFocused(node_.element.lock());
    return state;
}

void* PageNodeAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && pressable())
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList PageNodeAccessible::actionNames() const {
    return pressable() ? QStringList{pressAction()} : QStringList{};
}

void PageNodeAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() || !pressable() || !isValid())
        return;
    if (const litehtml::element::ptr element = node_.element.lock())
        pane_.renderer().click(element);
}

} // namespace

QAccessibleInterface* MakeWebPaneAccessible(QAbstractScrollArea& pane, LitehtmlRenderer& renderer) {
    return new WebPaneAccessible(pane, renderer);
}

void ReportFocusedLink(QWidget& pane) {
    if (!QAccessible::isActive() || !pane.hasFocus())
        return;
    auto* accessible =
        static_cast<WebPaneAccessible*>(QAccessible::queryAccessibleInterface(&pane));
    const std::shared_ptr<PageDocument>& document = accessible->renderer().document();
    if (!document)
        return;
    if (QAccessibleInterface* link = accessible->interfaceOf(document->focusedLink())) {
        QAccessibleEvent focused(link, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

} // namespace pages
