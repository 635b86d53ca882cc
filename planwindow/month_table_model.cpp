// SPDX-License-Identifier: MIT
#include "planwindow/month_table_model.h"

namespace planwindow {

void MonthTableModel::setRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int MonthTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MonthTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(planning::kMonthFields.size());
}

QVariant MonthTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.cells.value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case kAmountRole:
        return index.column() == columnOf(planning::MonthColumn::Monthly) ? QVariant(row.monthly)
                                                                          : QVariant();
    default:
        return {};
    }
}

QVariant MonthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount())
        return {};
    return QString::fromLatin1(planning::kMonthFields[std::size_t(section)].heading);
}

} // namespace planwindow
