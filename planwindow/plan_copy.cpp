// SPDX-License-Identifier: MIT
#include "planwindow/plan_copy.h"

#include "calc/conversions.h"

#include <QAbstractItemModel>
#include <QMimeData>
#include <QStringList>

namespace planwindow {
namespace {

using Table = std::vector<QStringList>; // a header, then the rows

// A typed field may hold a pasted tab or line break, which would split its row in a
// spreadsheet: blanks stand in for them.
QStringList Simplified(QStringList cells) {
    for (QString& cell : cells)
        cell = cell.simplified();
    return cells;
}

Table FigureTable(const std::vector<CopiedFigure>& figures) {
    Table table = {{QStringLiteral("Figure"), QStringLiteral("Shown"), QStringLiteral("Number")}};
    for (const CopiedFigure& figure : figures) {
        const std::string number = calc::CaptionNumber(figure.shown.toStdString());
        table.push_back(Simplified({figure.name, figure.shown, QString::fromStdString(number)}));
    }
    return table;
}

Table MonthTable(const QAbstractItemModel& months) {
    Table table(1);
    for (int column = 0; column < months.columnCount(); ++column)
        table[0] << months.headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < months.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < months.columnCount(); ++column)
            cells << months.index(row, column).data().toString();
        table.push_back(cells);
    }
    return table;
}

QString Text(const Table& table) {
    QString text;
    for (const QStringList& row : table)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString Html(const Table& table) {
    QString html = QStringLiteral("<table>\n");
    for (std::size_t row = 0; row < table.size(); ++row) {
        const QLatin1StringView tag(row == 0 ? "th" : "td");
        html += QStringLiteral("<tr>");
        for (const QString& cell : table[row])
            html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QMimeData* CopiedPlan(const std::vector<CopiedFigure>& figures, const QAbstractItemModel& months) {
    const Table figureTable = FigureTable(figures);
    const Table monthTable = MonthTable(months);
    auto* data = new QMimeData;
    data->setText(Text(figureTable) + QLatin1Char('\n') + Text(monthTable));
    data->setHtml(Html(figureTable) + Html(monthTable));
    return data;
}

} // namespace planwindow
