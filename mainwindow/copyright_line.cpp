// SPDX-License-Identifier: MIT
#include "mainwindow/copyright_line.h"

#include <QPainter>

namespace mainwindow {

CopyrightLine::CopyrightLine(const QString& site, int linkLeft, QWidget* parent)
    : QLabel(parent), before_(QStringLiteral("Copyright \u00a9 2026 ")), site_(site),
      after_(QStringLiteral(". All rights reserved.")), linkLeft_(linkLeft) {
    // Plain text drawn by hand: a rich-text label would cost the window milliseconds
    // before its first paint.
    setTextFormat(Qt::PlainText);
    setText(before_ + site_ + after_);
}

void CopyrightLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    const int siteLeft = linkLeft_ - x();
    const int baseline = (height() + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(siteLeft - metrics.horizontalAdvance(before_), baseline, before_);
    painter.drawText(siteLeft + metrics.horizontalAdvance(site_), baseline, after_);
}

} // namespace mainwindow
