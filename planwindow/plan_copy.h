// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

class QAbstractItemModel;
class QMimeData;

// The plan for the clipboard, as Copy All Figures gives the calculator's: the fields as typed
// and the results as shown, each with its plain number, then the month table as shown.
namespace planwindow {

struct CopiedFigure {
    QString name;
    QString shown;
};

// Tab-separated text, a blank line between the two tables, and an HTML table of each.
QMimeData* CopiedPlan(const std::vector<CopiedFigure>& figures, const QAbstractItemModel& months);

} // namespace planwindow
