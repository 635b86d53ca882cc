// SPDX-License-Identifier: MIT
#pragma once

#include <QFontMetricsF>
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace planwindow {

// What the earnings chart shows, in dollars.
struct ChartFigures {
    std::vector<double> amounts; // a bar for each month
    std::optional<double> goal;
    QString goalText;           // "Goal $1,000.00"
    std::optional<int> reached; // the bar of the month that reaches the goal
};

// A text and where it stands.
struct PlacedText {
    QRectF rect;
    QString text;
};

// Where each part of the chart stands. Each text keeps to its own part, so none can print
// over another: the dollar ticks' on the left of the bars, the months' under them, the goal's
// among them and the reached month's above them; a text that does not fit is left out.
struct ChartLayout {
    QRectF plot;    // the bars' area, from $0 at its foot to the last tick at its top
    double top = 1; // the last tick, in dollars
    std::vector<QRectF> bars;
    std::vector<double> grid; // the height of each tick
    std::vector<PlacedText> ticks;
    std::vector<PlacedText> months;
    std::optional<double> goalHeight;
    std::optional<PlacedText> goal;
    std::optional<int> reachedBar;     // the month that reaches the goal
    std::optional<PlacedText> reached; // "Goal reached", above its bar

    double heightOf(double dollars) const; // where the amount stands, from 0 to the top
    // The bar whose month's column holds x; none outside the bars.
    std::optional<int> barAt(double x) const;
    QList<QRectF> textRects() const;
};

ChartLayout LayOutChart(const ChartFigures& figures, const QRectF& area,
                        const QFontMetricsF& metrics);

// Where a box of the given size shows the figures of a bar: above it, within the area.
QRectF ValueBoxPlace(const ChartLayout& layout, int bar, const QSizeF& size, const QRectF& area);

} // namespace planwindow
