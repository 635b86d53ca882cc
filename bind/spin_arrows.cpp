// SPDX-License-Identifier: MIT
#include "bind/spin_arrows.h"

#include "bind/message_box_service.h"
#include "bind/spin_box_accessible.h"
#include "calc/spin_button.h"
#include "widgets/quiet_news.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <cstdlib>
#include <optional>

namespace bind {
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
    connect(up_, &QToolButton::clicked, this, [this] { step(&calc::SpinButton::up, up_); });
    connect(down_, &QToolButton::clicked, this, [this] { step(&calc::SpinButton::down, down_); });
    up_->installEventFilter(this);
    down_->installEventFilter(this);
}

void SpinArrows::stepBy(int steps) {
    repeatHalted_ = false;
    const Move move = steps > 0 ? &calc::SpinButton::up : &calc::SpinButton::down;
    for (int done = 0; done < std::abs(steps) && !repeatHalted_; ++done)
        step(move, nullptr);
}

void SpinArrows::step(Move move, QAbstractButton* arrow) {
    if (repeatHalted_ || MessageBoxService::IsOpen()) {
        if (arrow)
            arrow->setDown(false);
        return;
    }
    bool messageShown = false;
    {
        // Told once, as the new value, not again as new text.
        std::optional<widgets::QuietText> quiet;
        if (edit_)
            quiet.emplace(*edit_);
        messageShown = (model_.*move)();
    }
    if (edit_)
        AnnounceStep(*edit_);
    if (messageShown) {
        repeatHalted_ = true;
        if (arrow)
            arrow->setDown(false);
    }
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
    ExposeAsSpinBox(edit, *this, model_);
}

void SpinArrows::resizeEvent(QResizeEvent*) {
    const int upHeight = (height() + 1) / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

bool SpinArrows::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        repeatHalted_ = false;
        return false;
    case QEvent::KeyPress:
        return filterKey(static_cast<const QKeyEvent&>(*event));
    default:
        return false;
    }
}

bool SpinArrows::filterKey(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Up && key.key() != Qt::Key_Down)
        return false;
    // A key held down repeats its presses; only a new press may step again after a box.
    if (!key.isAutoRepeat())
        repeatHalted_ = false;
    step(key.key() == Qt::Key_Up ? &calc::SpinButton::up : &calc::SpinButton::down, nullptr);
    return true;
}

} // namespace bind
