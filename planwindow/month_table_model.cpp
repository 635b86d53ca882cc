// SPDX-License-Identifier: MIT
#include "planwindow/month_table_model.h"

namespace planwindow {

void MonthTableModel::setRows(std::vector<Row> rows, const planning::MonthShape& shape,
                              std::optional<int> reachedRow) {
    beginResetModel();
    rows_ = std::move(rows);
    shape_ = shape;
    columns_ = planning::MonthColumns(shape);
    reachedRow_ = reachedRow;
    endResetModel();
}

int MonthTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MonthTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant MonthTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const bool reached = index.row() == reachedRow_;
    switch (role) {
    case Qt::DisplayRole: {
        QString cell = row.cells.value(index.column());
        // Month 1 is today's traffic; the goal's month is marked where the eye and the
        // reader meet the month.
        if (columns_[std::size_t(index.column())] == planning::MonthColumn::Month) {
            if (index.row() == 0)
                cell += QStringLiteral(" (now)");
            if (reached)
                cell += QStringLiteral(" (goal reached)");
        }
        return cell;
    }
    case Qt::EditRole:
        return row.cells.value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case kAmountRole:
        return row.amount;
    case kAmountTextRole:
        return row.amountText;
    default:
        return {};
    }
}

QVariant MonthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const planning::MonthColumn column = columns_[std::size_t(section)];
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(planning::MonthHeading(column, shape_));
    if (role == Qt::ToolTipRole && column == planning::MonthColumn::Total)
        return QStringLiteral("The monthly amounts added up. A month is 30.41 days, so twelve "
                              "months come to a little less than the calculator's Yearly, which "
                              "is 365 days.");
    return {};
}

} // namespace planwindow
