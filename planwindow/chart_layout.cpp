// SPDX-License-Identifier: MIT
#include "planwindow/chart_layout.h"

#include "planning/chart_axis.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace planwindow {

namespace {

constexpr double kMargin = 6;
constexpr double kGap = 4;         // between a text and what it labels
constexpr double kMarker = 5;      // the height of the reached month's pointer
constexpr double kBarShare = 0.7;  // of each month's column; the rest parts the bars
constexpr double kTickSpacing = 2; // lines of text from one tick to the next, at least
constexpr double kLargestCents = 9e18;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::int64_t Cents(double dollars) {
    return std::llround(std::clamp(dollars * 100, 0.0, kLargestCents));
}

double Widest(const QFontMetricsF& metrics, const std::vector<planning::MonthLabel>& labels) {
    double widest = 0;
    for (const planning::MonthLabel& label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(Text(label.text)));
    return widest;
}

// How much of the bars the rect covers.
double BarsUnder(const ChartLayout& layout, const QRectF& rect) {
    double covered = 0;
    for (const QRectF& bar : layout.bars) {
        const QRectF both = bar.intersected(rect);
        covered += both.width() * both.height();
    }
    return covered;
}

void PlaceBars(ChartLayout& layout, const std::vector<double>& amounts) {
    const double slot = layout.plot.width() / double(amounts.size());
    for (std::size_t month = 0; month < amounts.size(); ++month) {
        const double left = layout.plot.left() + (double(month) + (1 - kBarShare) / 2) * slot;
        layout.bars.emplace_back(QPointF(left, layout.heightOf(amounts[month])),
                                 QPointF(left + kBarShare * slot, layout.plot.bottom()));
    }
}

void PlaceTicks(ChartLayout& layout, const std::vector<std::int64_t>& ticks,
                const QFontMetricsF& metrics) {
    const double line = metrics.height();
    const std::int64_t step = ticks[1] - ticks[0];
    for (const std::int64_t tick : ticks) {
        const double y = layout.heightOf(double(tick) / 100);
        layout.grid.push_back(y);
        const QString text = Text(planning::DollarTickText(tick, step));
        const double width = metrics.horizontalAdvance(text);
        QRectF rect(layout.plot.left() - kGap - width, y - line / 2, width, line);
        // $0 stands on the foot of the bars, not across the months' row under it.
        rect.moveBottom(std::min(rect.bottom(), layout.plot.bottom()));
        if (layout.ticks.empty() || !rect.intersects(layout.ticks.back().rect))
            layout.ticks.push_back({rect, text});
    }
}

void PlaceMonths(ChartLayout& layout, double shortWidth, double longWidth,
                 const QFontMetricsF& metrics) {
    const int months = int(layout.bars.size());
    const double slot = layout.plot.width() / months;
    // Labels as far apart as the widest of them and a blank.
    const auto fitting = [&](double width) {
        return int(layout.plot.width() / (width + metrics.averageCharWidth()));
    };
    for (const auto& [month, text] :
         planning::MonthLabels(months, {fitting(shortWidth), fitting(longWidth)})) {
        const QString shown = Text(text);
        const double width = metrics.horizontalAdvance(shown);
        const double centre = layout.plot.left() + (month - 0.5) * slot;
        layout.months.push_back(
            {QRectF(centre - width / 2, layout.plot.bottom() + kGap, width, metrics.height()),
             shown});
    }
}

// Along the goal's line, at either end, above it or under it, where it covers the least of
// the bars; left out where the bars' area is too small for it.
void PlaceGoal(ChartLayout& layout, const QString& text, const QFontMetricsF& metrics) {
    const QRectF& plot = layout.plot;
    const double line = metrics.height();
    const double width = metrics.horizontalAdvance(text);
    const double y = *layout.goalHeight;
    std::vector<QRectF> places;
    for (const double top : {y - line - 1, y + 1}) {
        for (const double left : {plot.left() + kGap, plot.right() - kGap - width}) {
            if (top >= plot.top() && top + line <= plot.bottom() && left >= plot.left())
                places.emplace_back(left, top, width, line);
        }
    }
    if (places.empty())
        return;
    layout.goal =
        PlacedText{*std::ranges::min_element(
                       places, {}, [&](const QRectF& place) { return BarsUnder(layout, place); }),
                   text};
}

// Above the bars, over the month that reaches the goal, within the chart.
void PlaceReached(ChartLayout& layout, const QRectF& area, const QFontMetricsF& metrics) {
    const QString text = QStringLiteral("Goal reached");
    const double width = metrics.horizontalAdvance(text);
    const double rightmost = area.right() - kMargin - width;
    if (rightmost < layout.plot.left())
        return;
    const double left =
        std::clamp(layout.bars[std::size_t(*layout.reachedBar)].center().x() - width / 2,
                   layout.plot.left(), rightmost);
    layout.reached = PlacedText{
        QRectF(left, layout.plot.top() - kMarker - metrics.height(), width, metrics.height()),
        text};
}

} // namespace

double ChartLayout::heightOf(double dollars) const {
    return plot.bottom() - std::clamp(dollars / top, 0.0, 1.0) * plot.height();
}

std::optional<int> ChartLayout::barAt(double x) const {
    if (bars.empty() || x < plot.left() || x >= plot.right())
        return std::nullopt;
    const int bar = int((x - plot.left()) / plot.width() * double(bars.size()));
    return std::min(bar, int(bars.size()) - 1);
}

QList<QRectF> ChartLayout::textRects() const {
    QList<QRectF> rects;
    for (const auto* texts : {&ticks, &months}) {
        for (const PlacedText& text : *texts)
            rects << text.rect;
    }
    for (const auto& text : {goal, reached}) {
        if (text)
            rects << text->rect;
    }
    return rects;
}

ChartLayout LayOutChart(const ChartFigures& figures, const QRectF& area,
                        const QFontMetricsF& metrics) {
    const int months = int(figures.amounts.size());
    if (months == 0)
        return {};
    const double line = metrics.height();
    const double top = area.top() + kMargin + line + kMarker;
    const double bottom = area.bottom() - kMargin - line - kGap;
    const double highest = std::max(std::ranges::max(figures.amounts), figures.goal.value_or(0));
    const std::vector<std::int64_t> ticks = planning::DollarTicks(
        Cents(highest), int(std::max(0.0, (bottom - top) / (kTickSpacing * line))) + 1);
    double tickWidth = 0;
    for (const std::int64_t tick : ticks)
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(Text(
                                            planning::DollarTickText(tick, ticks[1] - ticks[0]))));

    // Room on the right for half the widest month label under the last bar. On the left,
    // month 1's label is narrower than the "$0" beside it, and a year's stands a year in.
    const double shortWidth = Widest(metrics, planning::MonthLabels(months, {months, 0}));
    const double longWidth = Widest(metrics, planning::MonthLabels(months, {months, months}));
    ChartLayout layout;
    layout.plot = QRectF(QPointF(area.left() + kMargin + tickWidth + kGap, top),
                         QPointF(area.right() - std::max(kMargin, longWidth / 2), bottom));
    if (layout.plot.width() <= 0 || layout.plot.height() <= 0)
        return {};
    layout.top = double(ticks.back()) / 100;
    PlaceBars(layout, figures.amounts);
    PlaceTicks(layout, ticks, metrics);
    PlaceMonths(layout, shortWidth, longWidth, metrics);
    if (figures.goal) {
        layout.goalHeight = layout.heightOf(*figures.goal);
        PlaceGoal(layout, figures.goalText, metrics);
    }
    if (figures.reached && *figures.reached >= 0 && *figures.reached < months) {
        layout.reachedBar = figures.reached;
        PlaceReached(layout, area, metrics);
    }
    return layout;
}

QRectF ValueBoxPlace(const ChartLayout& layout, int bar, const QSizeF& size, const QRectF& area) {
    const QRectF& shown = layout.bars[std::size_t(bar)];
    // Within the chart, clear of the dollar ticks that read the bars' heights.
    const double leftmost = std::max(area.left(), layout.plot.left());
    const auto within = [&](double left, double top) {
        return QRectF(
            QPointF(
                std::clamp(left, leftmost, std::max(leftmost, area.right() - size.width())),
                std::clamp(top, area.top(), std::max(area.top(), area.bottom() - size.height()))),
            size);
    };
    // Above its bar, else beside that, else at the top of the bars: the first that hides no
    // text, or the first.
    const double above = shown.top() - kGap - size.height();
    const double centred = shown.center().x() - size.width() / 2;
    const bool toTheLeft = shown.center().x() > layout.plot.center().x();
    const std::array places = {
        within(centred, above),
        within(toTheLeft ? shown.left() - kGap - size.width() : shown.right() + kGap, above),
        within(centred, layout.plot.top()),
    };
    const QList<QRectF> texts = layout.textRects();
    const auto* place = std::ranges::find_if(places, [&](const QRectF& box) {
        return std::ranges::none_of(texts,
                                    [&](const QRectF& text) { return text.intersects(box); });
    });
    return place != places.end() ? *place : places.front();
}

} // namespace planwindow
