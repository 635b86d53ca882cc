// SPDX-License-Identifier: MIT
#include "web_pane_accessible.h"

#include "web_pane.h"

#include <QAccessibleWidget>
#include <mutex>
#include <unordered_map>

namespace pages {
namespace {

class WebPaneAccessible;

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
    bool pressable() const { return node_.kind != PageNode::Kind::Text; }

    WebPaneAccessible& pane_;
    const PageNode& node_;
    const PageNode* parent_; // nullptr for the page's own children
};

class WebPaneAccessible final : public QAccessibleWidget {
public:
    explicit WebPaneAccessible(WebPane* pane) : QAccessibleWidget(pane, QAccessible::Document) {}
    ~WebPaneAccessible() override { forgetNodes(); }

    WebPane* pane() const { return static_cast<WebPane*>(widget()); }

    // The interface of node, a child of parent (nullptr: of the page itself), made once per
    // page shown.
    QAccessibleInterface* nodeInterface(const PageNode& node, const PageNode* parent) const {
        const std::shared_ptr<PageDocument> document = pane()->document();
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
        const std::shared_ptr<PageDocument> document = pane()->document();
        return document ? &document->nodes() : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && pane()->accessibleName().isEmpty() && pane()->document())
            return pane()->document()->title();
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
        const QRect onPage = ElementBounds(element);
        const QWidget* viewport = pane()->viewport();
        return QRect(viewport->mapToGlobal(onPage.topLeft() - pane()->scrollPosition()),
                     onPage.size());
    }

    // Whether node belongs to the page shown now.
    bool shows(const PageNode& node) const {
        return nodesOf_ && nodesOf_ == pane()->document() && !node.element.expired();
    }

private:
    void forgetNodes() const {
        for (const auto& [node, id] : ids_)
            QAccessible::deleteAccessibleInterface(id);
        ids_.clear();
    }

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
    return t == QAccessible::Name ? node_.name : QString();
}

QRect PageNodeAccessible::rect() const {
    const litehtml::element::ptr element = node_.element.lock();
    return element && isValid() ? pane_.screenRect(element) : QRect();
}

QAccessible::Role PageNodeAccessible::role() const {
    switch (node_.kind) {
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
    state.linked = node_.kind == PageNode::Kind::Link || parent_ != nullptr;
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
        pane_.pane()->click(element);
}

QAccessibleInterface* MakeWebPaneAccessible(const QString&, QObject* object) {
    if (auto* pane = qobject_cast<WebPane*>(object))
        return new WebPaneAccessible(pane);
    return nullptr;
}

} // namespace

void InstallWebPaneAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(MakeWebPaneAccessible); });
}

} // namespace pages
