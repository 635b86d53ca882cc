// SPDX-License-Identifier: MIT
#include "mainwindow/figure_readout.h"

#include "widgets/accessible_roles.h"
#include "widgets/announcement.h"
#include "widgets/quiet_news.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <utility>

namespace mainwindow {

namespace {

constexpr std::chrono::seconds kTipShown(10);

FigureReadout::ReaderCheck gReaderListens = &QAccessible::isActive;

} // namespace

FigureReadout::FigureReadout(QWidget& window, const std::vector<QLineEdit*>& boxes, Column earnings,
                             Column actualNumbers)
    : QObject(&window), window_(window), earnings_(std::move(earnings)),
      actualNumbers_(std::move(actualNumbers)), tip_(new QLabel(&window)) {
    tip_->setObjectName(QStringLiteral("figureTip"));
    tip_->setFrameStyle(QFrame::Box | QFrame::Plain);
    tip_->setMargin(3);
    tip_->setForegroundRole(QPalette::ToolTipText);
    tip_->setBackgroundRole(QPalette::ToolTipBase);
    tip_->setAutoFillBackground(true);
    tip_->hide();
    widgets::SetAccessibleRole(*tip_, QAccessible::ToolTip);
    // A reader would read the box again each time the tip goes away.
    widgets::HideQuietly(*tip_);
    expiry_.setSingleShot(true);
    expiry_.setInterval(kTipShown);
    connect(&expiry_, &QTimer::timeout, tip_, &QWidget::hide);
    lastTold_ = Words(earnings_);
    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPause);
    connect(&typingPause_, &QTimer::timeout, this, [this] {
        const QString words = Words(earnings_);
        // Earnings that the edits left as they were are no news.
        if (!typedInto_ || !typedInto_->hasFocus() || words == lastTold_)
            return;
        widgets::Announce(window_, words);
        lastTold_ = words;
    });
    for (QLineEdit* box : boxes) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, box] { tellEarningsAfterPause(box); });
    }
}

// Only while a reader listens: others see the figures change as they type.
void FigureReadout::tellEarningsAfterPause(QLineEdit* box) {
    if (!gReaderListens())
        return;
    typedInto_ = box;
    typingPause_.start();
}

FigureReadout::ReaderCheck FigureReadout::SetReaderCheck(ReaderCheck check) {
    return std::exchange(gReaderListens, check);
}

void FigureReadout::forgetTyping() {
    typingPause_.stop();
    lastTold_ = Words(earnings_);
}

QString FigureReadout::Words(const Column& column) {
    QStringList lines;
    if (!column.empty())
        lines << column.front().figure->parentWidget()->accessibleName();
    for (const auto& [caption, figure] : column)
        lines << caption->text() + QLatin1Char(' ') + figure->text();
    return lines.join(QLatin1Char('\n'));
}

bool FigureReadout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        tip_->hide();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_F1 || (key.modifiers() & ~Qt::ShiftModifier)) {
        tip_->hide();
        return false;
    }
    typingPause_.stop();
    // A held F1 reads once.
    if (key.isAutoRepeat())
        return true;
    showTip(*static_cast<QLineEdit*>(watched),
            Words(key.modifiers() & Qt::ShiftModifier ? actualNumbers_ : earnings_));
    return true;
}

void FigureReadout::showTip(const QLineEdit& box, const QString& words) {
    // Hidden first: a tip shown again, even with the same words, is spoken again.
    tip_->hide();
    tip_->setText(words);
    tip_->setAccessibleName(words);
    tip_->adjustSize();
    const QPoint below = box.mapTo(&window_, QPoint(0, box.height()));
    tip_->move(std::clamp(below.x(), 0, window_.width() - tip_->width()),
               std::clamp(below.y(), 0, window_.height() - tip_->height()));
    tip_->raise();
    tip_->show();
    expiry_.start();
}

} // namespace mainwindow
