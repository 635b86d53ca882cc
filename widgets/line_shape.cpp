// SPDX-License-Identifier: MIT
#include "widgets/line_shape.h"

#include <QPainter>

namespace widgets {

LineShape::LineShape(QColor colour, Qt::PenStyle style, QWidget* parent)
    : QWidget(parent), colour_(colour), style_(style) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setEnds(int x1, int x2, int y) {
    setGeometry(x1, y, x2 - x1 + 1, 1);
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1, style_));
    painter.drawLine(0, 0, width() - 1, 0);
}

} // namespace widgets
