// SPDX-License-Identifier: MIT
#include "planwindow/copy_menu.h"

#include "planwindow/plan_copy.h"
#include "widgets/copy_items.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace planwindow {
namespace {

// Opens the copy menu in place of the box's own: where the mouse asked for it, or from the keys
// (the menu key, or Shift+F10 as in the calculator's boxes) under the box, its first item ready
// for Enter.
class CopyMenu final : public QObject {
public:
    explicit CopyMenu(QLineEdit& result) : QObject(&result), result_(result) {
        result.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            const auto& asked = static_cast<const QContextMenuEvent&>(*event);
            if (asked.reason() == QContextMenuEvent::Keyboard)
                openFromKeys();
            else
                open(asked.pos());
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier) {
                openFromKeys();
                return true;
            }
        }
        return false;
    }

private:
    QMenu& open(QPoint position) {
        auto* menu = new QMenu(&result_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        widgets::AddCopyItems(*menu, *result_.window(), result_, &PlainNumber);
        menu->popup(result_.mapToGlobal(position));
        return *menu;
    }

    void openFromKeys() {
        QMenu& menu = open(QPoint(0, result_.height()));
        menu.setActiveAction(menu.actions().value(0));
    }

    QLineEdit& result_;
};

} // namespace

void AttachCopyMenu(QLineEdit& result) {
    new CopyMenu(result);
}

} // namespace planwindow
