// SPDX-License-Identifier: MIT
#include "planwindow/earnings_chart.h"

#include "calc/conversions.h"
#include "planwindow/chart_layout.h"

#include <QAbstractItemModel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace planwindow {

namespace {

constexpr int kMargin = 6;
constexpr double kOutline = 2;
constexpr double kGridAlpha = 0.18; // of the text's colour: light, in a dark palette too
constexpr double kMarkerWidth = 5;
constexpr double kGoalGroundAlpha = 0.7;

void PaintText(QPainter& painter, const PlacedText& text) {
    painter.drawText(text.rect, Qt::AlignCenter | Qt::TextDontClip, text.text);
}

void PaintAxes(QPainter& painter, const QPalette& palette, const ChartLayout& layout) {
    QColor grid = palette.color(QPalette::Text);
    grid.setAlphaF(kGridAlpha);
    const QRectF& plot = layout.plot;
    for (const double y : layout.grid)
        painter.fillRect(QRectF(plot.left(), y, plot.width(), 1), grid);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (const auto* texts : {&layout.ticks, &layout.months}) {
        for (const PlacedText& text : *texts)
            PaintText(painter, text);
    }
}

void PaintBars(QPainter& painter, const QPalette& palette, const ChartLayout& layout) {
    for (std::size_t bar = 0; bar < layout.bars.size(); ++bar) {
        // The month reaching the goal in the text's colour: apart from the others, in any palette.
        const bool reached = layout.reachedBar && std::size_t(*layout.reachedBar) == bar;
        painter.fillRect(layout.bars[bar],
                         palette.color(reached ? QPalette::Text : QPalette::Highlight));
    }
}

// The goal's line, its amount on the chart's ground, and the mark over the month reaching it.
void PaintGoal(QPainter& painter, const QPalette& palette, const ChartLayout& layout) {
    const QColor ink = palette.color(QPalette::Text);
    if (layout.goalHeight) {
        painter.setPen(QPen(ink, 2, Qt::DashLine));
        const double y = *layout.goalHeight;
        painter.drawLine(QPointF(layout.plot.left(), y), QPointF(layout.plot.right(), y));
    }
    painter.setPen(ink);
    if (layout.goal) {
        // Bars under the text show through, so that none looks cut short by it.
        QColor ground = palette.color(QPalette::Base);
        ground.setAlphaF(kGoalGroundAlpha);
        painter.fillRect(layout.goal->rect, ground);
        PaintText(painter, *layout.goal);
    }
    if (layout.reached) {
        PaintText(painter, *layout.reached);
        const double x = layout.bars[std::size_t(*layout.reachedBar)].center().x();
        const double top = layout.reached->rect.bottom();
        QPainterPath marker;
        marker.moveTo(x - kMarkerWidth / 2, top);
        marker.lineTo(x + kMarkerWidth / 2, top);
        marker.lineTo(x, layout.plot.top());
        marker.closeSubpath();
        painter.fillPath(marker, ink);
    }
}

} // namespace

EarningsChart::EarningsChart(QAbstractItemModel& model, int labelColumn, int amountRole,
                             int amountTextRole, QWidget* parent)
    : QWidget(parent), model_(&model), labelColumn_(labelColumn), amountRole_(amountRole),
      amountTextRole_(amountTextRole) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Earnings chart"));
    setAccessibleDescription(QStringLiteral(
        "The month table's earnings as bars over a scale of dollar ticks, the goal as a line "
        "with its amount, and the month that reaches it marked; the month table holds every "
        "figure"));
    // The window sets whole plans at once; the table's current row goes with the old plan.
    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        selected_.reset();
        update();
    });
}

void EarningsChart::setGoal(std::optional<double> amount) {
    goal_ = amount;
    update();
}

void EarningsChart::setEmptyText(const QString& text) {
    emptyText_ = text;
    update();
}

void EarningsChart::setReachedMonth(std::optional<int> row) {
    reached_ = row;
    update();
}

void EarningsChart::setSelectedRow(std::optional<int> row) {
    selected_ = row;
    update();
}

QList<QRectF> EarningsChart::labelRects() const {
    return layOut().textRects();
}

QSize EarningsChart::sizeHint() const {
    return {360, 160};
}

QSize EarningsChart::minimumSizeHint() const {
    return {200, 120};
}

ChartFigures EarningsChart::figures() const {
    ChartFigures figures;
    const int rows = model_ ? model_->rowCount() : 0;
    for (int row = 0; row < rows; ++row)
        figures.amounts.push_back(model_->index(row, labelColumn_).data(amountRole_).toDouble());
    figures.goal = goal_;
    if (goal_)
        figures.goalText =
            QStringLiteral("Goal ") +
            QString::fromStdString(calc::CaptionText(*goal_, calc::Pattern::Earnings));
    figures.reached = reached_;
    return figures;
}

ChartLayout EarningsChart::layOut() const {
    return LayOutChart(figures(), QRectF(rect()), QFontMetricsF(font()));
}

QString EarningsChart::figuresOf(int row) const {
    const QModelIndex month = model_->index(row, labelColumn_);
    return model_->headerData(labelColumn_, Qt::Horizontal).toString() + QLatin1Char(' ') +
           month.data().toString() + QStringLiteral(": ") + month.data(amountTextRole_).toString();
}

void EarningsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const ChartLayout layout = layOut();
    if (layout.bars.empty()) {
        if (!model_ || model_->rowCount() == 0) {
            painter.setPen(palette().color(QPalette::PlaceholderText));
            painter.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin),
                             Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
        }
        return;
    }
    PaintAxes(painter, palette(), layout);
    PaintBars(painter, palette(), layout);
    PaintGoal(painter, palette(), layout);

    const std::optional<int> hovered = pointer_ ? layout.barAt(*pointer_) : std::nullopt;
    const std::optional<int> selected =
        selected_ && *selected_ >= 0 && *selected_ < int(layout.bars.size()) ? selected_
                                                                             : std::nullopt;
    painter.setPen(QPen(palette().color(QPalette::Text), kOutline));
    for (const auto& bar : {hovered, selected}) {
        if (bar)
            painter.drawRect(
                layout.bars[std::size_t(*bar)].adjusted(-kOutline, -kOutline, kOutline, 0));
    }
    if (const std::optional<int> shown = hovered ? hovered : selected)
        paintValue(painter, layout, *shown);
}

// In the colours of a tooltip, above its bar: the month and its amount as the table shows them.
void EarningsChart::paintValue(QPainter& painter, const ChartLayout& layout, int row) const {
    const QString text = figuresOf(row);
    const QFontMetricsF metrics(font());
    const QSizeF size(metrics.horizontalAdvance(text) + 2 * kMargin, metrics.height() + kMargin);
    const QRectF box = ValueBoxPlace(layout, row, size, QRectF(rect()));
    painter.fillRect(box, palette().toolTipBase());
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, text);
}

void EarningsChart::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position().x();
    update();
}

void EarningsChart::leaveEvent(QEvent*) {
    pointer_.reset();
    update();
}

} // namespace planwindow
