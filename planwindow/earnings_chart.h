// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

class QAbstractItemModel;

namespace planwindow {

struct ChartFigures;
struct ChartLayout;

// A bar for each month's earnings in the month table over a dollar scale, and the goal as a
// line across them. It paints from the table's model and adds no figure of its own: the table
// is its text for screen readers, the amount of a bar under the mouse or in the table's
// current row is the table's text, and the scale's ticks and the goal are the engine's.
class EarningsChart final : public QWidget {
    Q_OBJECT

public:
    // A bar for each row's amount in dollars (amountRole); its figures shown are the row's
    // labelColumn under its heading and its amount as the table shows it (amountTextRole).
    EarningsChart(QAbstractItemModel& model, int labelColumn, int amountRole, int amountTextRole,
                  QWidget* parent = nullptr);

    // The goal's line, in the bars' units; none draws no line.
    void setGoal(std::optional<double> amount);
    // The row of the month that first reaches the goal: its bar stands out, "Goal reached".
    void setReachedMonth(std::optional<int> row);
    // The month table's current row: its bar outlined and its figures shown.
    void setSelectedRow(std::optional<int> row);
    // What the chart says while there are no months: how to have them, or why there is no plan.
    void setEmptyText(const QString& text);

    // Where the chart's texts stand, the ticks', the months' and the goal's: none may print
    // over another.
    QList<QRectF> labelRects() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    ChartFigures figures() const;
    ChartLayout layOut() const;
    QString figuresOf(int row) const; // "Month 7: $1,234.56"
    void paintValue(QPainter& painter, const ChartLayout& layout, int row) const;

    QPointer<QAbstractItemModel> model_;
    int labelColumn_;
    int amountRole_;
    int amountTextRole_;
    std::optional<double> goal_;
    QString emptyText_;
    std::optional<int> reached_;
    std::optional<int> selected_;
    std::optional<double> pointer_; // across the chart, while the mouse is over it
};

} // namespace planwindow
