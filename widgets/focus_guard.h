// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QLineEdit;
class QMouseEvent;
class QWidget;

namespace widgets {

// Keeps the focus rules of a window's input boxes, however the focus moves.
//
// A box that receives the focus is told so. A box about to lose it is asked first and may
// keep it; the question comes before anything moves on: before a click on another control
// (box, button, option, arrow, tab) takes the focus or acts, before Tab and Ctrl+Tab, and
// before an Alt key reaches its control. When the box keeps the focus, that click or key
// does nothing at all, and the box is not told that it received the focus again.
//
// A left click into a box that does not have the focus only gives it the focus, so that the
// whole text the box selects on entry stays selected instead of giving way to a caret.
class FocusGuard final : public QObject {
public:
    // Watches the window's events through an application-wide event filter. The guard must
    // not outlive the window.
    explicit FocusGuard(QWidget& window);
    ~FocusGuard() override;

    // keepFocus returns true when the box wants to keep the focus it is about to lose.
    void addBox(QLineEdit& box, std::function<void()> focusEntered,
                std::function<bool()> keepFocus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Box {
        QPointer<QLineEdit> edit;
        std::function<void()> focusEntered;
        std::function<bool()> keepFocus;
    };

    const Box* boxOf(const QObject* object) const;
    const Box* focusedBox() const;
    QWidget* actingControlAt(QPoint position) const;

    // Asks the box with the focus whether it may lose it to target. True when it may.
    bool mayMoveTo(const QWidget* target);

    bool filterWindowMouse(QMouseEvent& mouse);
    void focusLeft(const Box& box);
    void checkAfterFocusLeft(QLineEdit* edit);
    void giveFocusBack(const Box& box);

    QWidget& window_;
    std::vector<Box> boxes_;
    QPointer<QLineEdit> approvedDeparture_;
    bool swallowingClick_ = false;
    bool givingFocusBack_ = false;
};

} // namespace widgets
