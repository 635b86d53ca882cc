// SPDX-License-Identifier: MIT
#include "widgets/enter_presses_button.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace widgets {
namespace {

class EnterKey final : public QObject {
public:
    explicit EnterKey(QAbstractButton& button) : QObject(&button), button_(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
        if ((key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) ||
            modifiers != Qt::NoModifier)
            return false;
        // A held key presses once.
        if (!key.isAutoRepeat())
            button_.click();
        return true;
    }

private:
    QAbstractButton& button_;
};

} // namespace

void PressOnEnter(QAbstractButton& button) {
    button.installEventFilter(new EnterKey(button));
}

} // namespace widgets
