// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

namespace planwindow {

// The plan month by month, as the engine worked it out: one model for the table, the chart,
// copying and screen readers, so the chart can show nothing the table does not. Its columns
// are the engine's for the goal's period (planning::MonthColumns), under its headings.
class MonthTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // The earnings for the goal's period, which the bars show, from any cell of a month: as a
    // number, and as the table shows them.
    static constexpr int kAmountRole = Qt::UserRole;
    static constexpr int kAmountTextRole = Qt::UserRole + 1;
    // Qt::EditRole gives a cell's text without the marks of today's month and the goal's.

    struct Row {
        QStringList cells; // the engine's shown text for each column
        QString amountText;
        double amount = 0;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<Row> rows, const planning::MonthShape& shape,
                 std::optional<int> reachedRow);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Row> rows_;
    planning::MonthShape shape_;
    std::vector<planning::MonthColumn> columns_ = planning::MonthColumns(shape_);
    std::optional<int> reachedRow_;
};

} // namespace planwindow
