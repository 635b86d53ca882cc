// SPDX-License-Identifier: MIT
#include "widgets/focus_guard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace widgets {
namespace {

// Focus lost to another window or a popup menu, and regained from it, is no move within
// the window: a message box shown by the box itself takes the focus that way.
bool MovesWithinWindow(const QFocusEvent& focus) {
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

bool IsTabKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
           !(key.modifiers() & Qt::AltModifier);
}

bool ActsOnClick(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QTabBar*>(&widget) ||
           (widget.focusPolicy() & Qt::ClickFocus);
}

// A box on a tab page that is not shown cannot hold the focus: show its page first.
void ShowPageOf(QWidget& widget) {
    for (QWidget* page = &widget; page->parentWidget(); page = page->parentWidget()) {
        QWidget* stack = page->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
            tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
}

} // namespace

FocusGuard::FocusGuard(QWidget& window) : window_(window) {
    qApp->installEventFilter(this);
}

FocusGuard::~FocusGuard() {
    qApp->removeEventFilter(this);
}

void FocusGuard::addBox(QLineEdit& box, std::function<void()> focusEntered,
                        std::function<bool()> keepFocus) {
    boxes_.push_back({&box, std::move(focusEntered), std::move(keepFocus)});
}

const FocusGuard::Box* FocusGuard::boxOf(const QObject* object) const {
    const auto found = std::find_if(boxes_.begin(), boxes_.end(),
                                    [object](const Box& box) { return box.edit == object; });
    return found == boxes_.end() ? nullptr : &*found;
}

const FocusGuard::Box* FocusGuard::focusedBox() const {
    return boxOf(QApplication::focusWidget());
}

QWidget* FocusGuard::actingControlAt(QPoint position) const {
    for (QWidget* widget = window_.childAt(position); widget && widget != &window_;
         widget = widget->parentWidget()) {
        if (widget->isEnabled() && ActsOnClick(*widget))
            return widget;
    }
    return nullptr;
}

bool FocusGuard::mayMoveTo(const QWidget* target) {
    const Box* box = focusedBox();
    if (!box || target == box->edit)
        return true;
    if (box->keepFocus())
        return false;
    // The focus-out that follows belongs to this departure and needs no second question.
    approvedDeparture_ = box->edit;
    QTimer::singleShot(0, this, [this] { approvedDeparture_.clear(); });
    return true;
}

bool FocusGuard::filterWindowMouse(QMouseEvent& mouse) {
    switch (mouse.type()) {
    case QEvent::MouseButtonPress: {
        swallowingClick_ = false;
        QWidget* target = actingControlAt(mouse.position().toPoint());
        if (!target)
            return false;
        if (!mayMoveTo(target)) {
            swallowingClick_ = true;
            return true;
        }
        // Other buttons reach the box as usual: the right one opens its menu, the middle one
        // pastes.
        const Box* entered = boxOf(target);
        if (!entered || target->hasFocus() || mouse.button() != Qt::LeftButton)
            return false;
        entered->edit->setFocus(Qt::MouseFocusReason);
        swallowingClick_ = true;
        return true;
    }
    case QEvent::MouseButtonDblClick:
        return swallowingClick_;
    case QEvent::MouseMove:
        // A release lost to a message box shown meanwhile must not leave hovering swallowed.
        if (mouse.buttons() == Qt::NoButton)
            swallowingClick_ = false;
        return swallowingClick_;
    case QEvent::MouseButtonRelease:
        return std::exchange(swallowingClick_, false);
    default:
        return false;
    }
}

void FocusGuard::focusLeft(const Box& box) {
    if (approvedDeparture_ == box.edit) {
        approvedDeparture_.clear();
        return;
    }
    // The focus moved by a way not asked about beforehand; ask now, once it has settled.
    QTimer::singleShot(0, this, [this, edit = box.edit] { checkAfterFocusLeft(edit); });
}

void FocusGuard::checkAfterFocusLeft(QLineEdit* edit) {
    const Box* box = boxOf(edit);
    if (!box || edit->hasFocus() || QApplication::activeModalWidget())
        return;
    if (box->keepFocus())
        giveFocusBack(*box);
}

void FocusGuard::giveFocusBack(const Box& box) {
    givingFocusBack_ = true;
    ShowPageOf(*box.edit);
    box.edit->setFocus(Qt::OtherFocusReason);
    givingFocusBack_ = false;
}

bool FocusGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.windowHandle()) {
        if (auto* mouse = dynamic_cast<QMouseEvent*>(event))
            return filterWindowMouse(*mouse);
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        if (const Box* box = boxOf(watched);
            box && !givingFocusBack_ && MovesWithinWindow(static_cast<QFocusEvent&>(*event)))
            box->focusEntered();
        return false;
    case QEvent::FocusOut:
        if (const Box* box = boxOf(watched);
            box && !givingFocusBack_ && MovesWithinWindow(static_cast<QFocusEvent&>(*event)))
            focusLeft(*box);
        return false;
    case QEvent::KeyPress:
        return boxOf(watched) && IsTabKey(static_cast<QKeyEvent&>(*event)) && !mayMoveTo(nullptr);
    case QEvent::Shortcut: {
        auto* target = qobject_cast<QWidget*>(watched);
        if (!target || target->window() != &window_)
            return false;
        if (auto* label = qobject_cast<QLabel*>(target); label && label->buddy())
            target = label->buddy();
        return !mayMoveTo(target);
    }
    default:
        return false;
    }
}

} // namespace widgets
