// SPDX-License-Identifier: MIT
#include "spin_arrows.h"

#include "spin_button.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace mAPI {
namespace {

QToolButton* MakeArrow(Qt::ArrowType direction, const QString& name, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(direction == Qt::UpArrow ? QStringLiteral("up") : QStringLiteral("down"));
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    // Clicking an arrow leaves the keyboard focus in the box, ready for typing.
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAccessibleName(name);
    return arrow;
}

} // namespace

SpinArrows::SpinArrows(calc::SpinButton& model, const QString& figure, QWidget* parent)
    : QWidget(parent), model_(model),
      up_(MakeArrow(Qt::UpArrow, figure + QStringLiteral(" up"), this)),
      down_(MakeArrow(Qt::DownArrow, figure + QStringLiteral(" down"), this)) {
    connect(up_, &QToolButton::clicked, this, [this] { model_.up(); });
    connect(down_, &QToolButton::clicked, this, [this] { model_.down(); });
}

QAbstractButton& SpinArrows::upArrow() const {
    return *up_;
}

QAbstractButton& SpinArrows::downArrow() const {
    return *down_;
}

void SpinArrows::takeArrowKeysOf(QLineEdit& edit) {
    edit.installEventFilter(this);
}

void SpinArrows::resizeEvent(QResizeEvent*) {
    const int upHeight = (height() + 1) / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

bool SpinArrows::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
        model_.up();
        return true;
    case Qt::Key_Down:
        model_.down();
        return true;
    default:
        return false;
    }
}

} // namespace mAPI
