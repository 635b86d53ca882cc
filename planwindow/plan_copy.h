// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

class QAbstractItemModel;
class QMimeData;

// The plan for the clipboard, as Copy All Figures gives the calculator's: the fields as typed
// and the results as shown, each with its plain number, then the month table as shown with the
// plain numbers of its amounts; and rows of the month table alone, as plain numbers. Each goes
// as tab-separated text and as HTML tables.
namespace planwindow {

struct CopiedFigure {
    QString name;
    QString shown;
    bool choice = false; // a word chosen ("Month"), which has no number
};

// The caption as a number any spreadsheet reads: "$7,754.55" gives "7754.55".
QString PlainNumber(const QString& shown);

// The figures' table, a blank line, and the month table.
QMimeData* CopiedPlan(const std::vector<CopiedFigure>& figures, const QAbstractItemModel& months);

// The headings, then the rows given (in the order given) as plain numbers.
QMimeData* CopiedMonths(const QAbstractItemModel& months, const std::vector<int>& rows);

} // namespace planwindow
