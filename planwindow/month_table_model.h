// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace planwindow {

// The plan month by month, as the engine worked it out: one model for the table, the chart,
// copying and screen readers, so the chart can show nothing the table does not.
class MonthTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // The columns are the engine's (planning::MonthColumn), under its headings.
    static int columnOf(planning::MonthColumn column) { return static_cast<int>(column); }

    // The monthly earnings as a number, for drawing bars: the same amount the Monthly cell shows.
    static constexpr int kAmountRole = Qt::UserRole;

    struct Row {
        QStringList cells; // the engine's shown text for each column
        double monthly = 0;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<Row> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Row> rows_;
};

} // namespace planwindow
