// SPDX-License-Identifier: MIT
#include "mainwindow/figure_readout.h"

#include "widgets/accessible_roles.h"
#include "widgets/announcement.h"
#include "widgets/quiet_news.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
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
    // It covers the box below: a click there is meant for that box.
    tip_->setAttribute(Qt::WA_TransparentForMouseEvents);
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
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::textEdited, this, [this, box] { tellEarningsAfterPause(box); });
    // The keys work wherever the focus is in the window; a focus move puts the tip away.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, tip_, &QWidget::hide);
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

// A key goes to the widget with the focus first, then, unused, to its parents: it is judged
// there, once.
bool FigureReadout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (watched != focus || focus->window() != &window_)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if ((key.key() != Qt::Key_F1 && key.key() != Qt::Key_Help) ||
        (key.modifiers() & ~Qt::ShiftModifier)) {
        tip_->hide();
        return false;
    }
    typingPause_.stop();
    // A held F1 reads once.
    if (key.isAutoRepeat())
        return true;
    showTip(*focus, Words(key.modifiers() & Qt::ShiftModifier ? actualNumbers_ : earnings_));
    return true;
}

void FigureReadout::showTip(const QWidget& control, const QString& words) {
    // Hidden first: a tip shown again, even with the same words, is spoken again.
    tip_->hide();
    tip_->setText(words);
    tip_->setAccessibleName(words);
    tip_->adjustSize();
    const QPoint below = control.mapTo(&window_, QPoint(0, control.height()));
    tip_->move(std::max(0, std::min(below.x(), window_.width() - tip_->width())),
               std::max(0, std::min(below.y(), window_.height() - tip_->height())));
    tip_->raise();
    tip_->show();
    expiry_.start();
}

} // namespace mainwindow
