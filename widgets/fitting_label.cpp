// SPDX-License-Identifier: MIT
#include "widgets/fitting_label.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace widgets {
namespace {

// The steps in which the font shrinks: the finest the design's own sizes (8.25, 9.75) use.
constexpr qreal kPointStep = 0.25;

} // namespace

FittingLabel::FittingLabel(const QFont& font, QWidget* frame) : QLabel(frame), font_(font) {
    setFont(font_);
    setTextFormat(Qt::PlainText);
}

int FittingLabel::room() const {
    return parentWidget()->contentsRect().right() + 1 - x();
}

void FittingLabel::setPointSize(qreal points) {
    QFont font = font_;
    font.setPointSizeF(points);
    setFont(font);
}

void FittingLabel::showCaption(const QString& caption) {
    setText(caption);
    elided_.clear();
    setFont(font_);
    const int room = this->room();
    shrunk_ = sizeHint().width() > room;
    if (!shrunk_) {
        showToolTip();
        adjustSize();
        return;
    }
    // The row keeps the height of the full-size caption, the smaller one centred in it.
    const int height = sizeHint().height();
    qreal points = font_.pointSizeF();
    do {
        points = std::max(points - kPointStep, kSmallestPoints);
        setPointSize(points);
    } while (points > kSmallestPoints && sizeHint().width() > room);
    if (sizeHint().width() > room) {
        const QMargins margins = contentsMargins();
        const int textRoom = room - margins.left() - margins.right() - 2 * margin();
        elided_ = fontMetrics().elidedText(caption, Qt::ElideRight, textRoom);
    }
    showToolTip();
    resize(std::min(sizeHint().width(), room), height);
}

void FittingLabel::setHelpTip(const QString& help) {
    help_ = help;
    showToolTip();
}

void FittingLabel::showToolTip() {
    if (!shrunk_)
        setToolTip(help_);
    else if (help_.isEmpty())
        setToolTip(text());
    else
        setToolTip(text() + QLatin1Char('\n') + help_);
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    if (elided_.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect textRect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, textRect,
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), elided_, foregroundRole());
}

} // namespace widgets
