// SPDX-License-Identifier: MIT
#include "planwindow/earnings_chart.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace planwindow {

namespace {

constexpr int kMargin = 6;
constexpr double kBarShare = 0.7; // of each month's slot; the rest is the gap between bars

} // namespace

EarningsChart::EarningsChart(QAbstractItemModel& model, int labelColumn, int amountColumn,
                             int amountRole, QWidget* parent)
    : QWidget(parent), model_(&model), labelColumn_(labelColumn), amountColumn_(amountColumn),
      amountRole_(amountRole) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Chart of the monthly earnings"));
    setAccessibleDescription(
        QStringLiteral("A bar for each month of the month table, the goal as a line across"));
    // The window sets whole plans at once.
    connect(&model, &QAbstractItemModel::modelReset, this, qOverload<>(&QWidget::update));
}

void EarningsChart::setGoal(std::optional<double> amount) {
    goal_ = amount;
    update();
}

QSize EarningsChart::sizeHint() const {
    return {360, 160};
}

QSize EarningsChart::minimumSizeHint() const {
    return {200, 120};
}

double EarningsChart::amount(int row) const {
    return std::max(0.0, model_->index(row, amountColumn_).data(amountRole_).toDouble());
}

void EarningsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int rows = model_ ? model_->rowCount() : 0;
    if (rows == 0)
        return;

    const QFontMetrics metrics = fontMetrics();
    const QRect plot =
        rect().adjusted(kMargin, kMargin + metrics.height(), -kMargin, -kMargin - metrics.height());
    double top = goal_.value_or(0);
    for (int row = 0; row < rows; ++row)
        top = std::max(top, amount(row));
    const auto yOf = [&](double value) {
        return top > 0 ? plot.bottom() - value / top * plot.height() : double(plot.bottom());
    };

    const double slot = double(plot.width()) / rows;
    // Every month gets its bar; only as many month numbers as fit get their label.
    const int widest =
        metrics.horizontalAdvance(QString::number(rows)) + metrics.averageCharWidth();
    const int labelEvery = std::max(1, int(std::ceil(widest / slot)));
    painter.setPen(palette().color(QPalette::Text));
    for (int row = 0; row < rows; ++row) {
        const double left = plot.left() + row * slot + slot * (1 - kBarShare) / 2;
        const QRectF bar(QPointF(left, yOf(amount(row))),
                         QPointF(left + slot * kBarShare, plot.bottom()));
        painter.fillRect(bar, palette().highlight());
        if (row % labelEvery == 0) {
            // As wide as the labels' spacing, which the widest number fits, centred under its
            // bar, and inside the chart at its ends.
            const double labelWidth = labelEvery * slot;
            const double centre = left + slot * kBarShare / 2;
            const double labelLeft =
                std::clamp(centre - labelWidth / 2, 0.0, std::max(0.0, width() - labelWidth));
            const QRectF label(labelLeft, plot.bottom() + 1, labelWidth, metrics.height());
            painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                             model_->index(row, labelColumn_).data().toString());
        }
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    if (goal_) {
        QPen line(palette().color(QPalette::Text), 2, Qt::DashLine);
        painter.setPen(line);
        const double y = yOf(*goal_);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.drawText(
            QRectF(plot.left(), y - metrics.height() - 1, plot.width(), metrics.height()),
            Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Goal"));
    }
}

} // namespace planwindow
