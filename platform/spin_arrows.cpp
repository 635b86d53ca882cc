// SPDX-License-Identifier: MIT
#include "spin_arrows.h"

#include "spin_box_accessible.h"
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
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

QAbstractButton& SpinArrows::upArrow() const {
    return *up_;
}

QAbstractButton& SpinArrows::downArrow() const {
    return *down_;
}

void SpinArrows::takeArrowKeysOf(QLineEdit& edit) {
    edit_ = &edit;
    edit.installEventFilter(this);
    ExposeAsSpinBox(edit, *this);
}

void SpinArrows::step(int direction) {
    if (direction > 0)
        model_.up();
    else
        model_.down();
    if (edit_)
        AnnounceStep(*edit_);
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
        step(+1);
        return true;
    case Qt::Key_Down:
        step(-1);
        return true;
    default:
        return false;
    }
}

} // namespace mAPI
