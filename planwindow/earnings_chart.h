// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

class QAbstractItemModel;

namespace planwindow {

// A bar for each month's earnings in the month table, and the goal as a line across them.
// It paints from the table's model and adds no figure of its own: the table is its text
// for screen readers, and the month numbers under the bars are the table's.
class EarningsChart final : public QWidget {
    Q_OBJECT

public:
    // Bars for the amounts (amountRole) of amountColumn, labelled with the texts of
    // labelColumn.
    EarningsChart(QAbstractItemModel& model, int labelColumn, int amountColumn, int amountRole,
                  QWidget* parent = nullptr);

    // The goal's line, in the bars' units; none draws no line.
    void setGoal(std::optional<double> amount);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double amount(int row) const;

    QPointer<QAbstractItemModel> model_;
    int labelColumn_;
    int amountColumn_;
    int amountRole_;
    std::optional<double> goal_;
};

} // namespace planwindow
