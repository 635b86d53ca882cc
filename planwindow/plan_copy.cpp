// SPDX-License-Identifier: MIT
#include "planwindow/plan_copy.h"

#include "calc/conversions.h"

#include <QAbstractItemModel>
#include <QMimeData>
#include <QRegularExpression>
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
        const QString number = figure.choice ? QString() : PlainNumber(figure.shown);
        table.push_back(Simplified({figure.name, figure.shown, number}));
    }
    return table;
}

QString Shown(const QAbstractItemModel& months, int row, int column) {
    return months.index(row, column).data().toString();
}

// The cell's plain number, without the marks the table shows beside a month ("1 (now)").
QString Number(const QAbstractItemModel& months, int row, int column) {
    return PlainNumber(months.index(row, column).data(Qt::EditRole).toString());
}

QString Heading(const QAbstractItemModel& months, int column) {
    return months.headerData(column, Qt::Horizontal).toString();
}

// The amounts, and the months with their marks: a column whose cells are not all shown as
// plain numbers already.
bool ShownApart(const QAbstractItemModel& months, int column) {
    for (int row = 0; row < months.rowCount(); ++row) {
        if (Number(months, row, column) != Shown(months, row, column))
            return true;
    }
    return false;
}

// Each amount's plain number stands in a column just after it ("Monthly", "Monthly (number)"),
// rather than in a second table below: each month stays one row, so a sum or a chart in a
// spreadsheet takes a column as it stands, with the captions as shown beside it to read.
Table MonthTable(const QAbstractItemModel& months) {
    std::vector<bool> apart;
    Table table(1);
    for (int column = 0; column < months.columnCount(); ++column) {
        apart.push_back(ShownApart(months, column));
        table[0] << Heading(months, column);
        if (apart.back())
            table[0] << Heading(months, column) + QStringLiteral(" (number)");
    }
    for (int row = 0; row < months.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < months.columnCount(); ++column) {
            cells << Shown(months, row, column);
            if (apart[std::size_t(column)])
                cells << Number(months, row, column);
        }
        table.push_back(cells);
    }
    return table;
}

Table MonthNumbers(const QAbstractItemModel& months, const std::vector<int>& rows) {
    Table table(1);
    for (int column = 0; column < months.columnCount(); ++column)
        table[0] << Heading(months, column);
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < months.columnCount(); ++column)
            cells << Number(months, row, column);
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

// A spreadsheet whose decimal separator is a comma reads the text "7754.55" as text: a plain
// number also carries its value in the attributes such spreadsheets read whatever their
// separator, Excel's x:num and LibreOffice's sdval (with sdnum, which names the value's locale,
// US English, and leaves the cell's format to the spreadsheet).
QString Cell(const QString& cell) {
    static const QRegularExpression kPlainNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (!kPlainNumber.match(cell).hasMatch())
        return QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
    return QStringLiteral("<td x:num=\"%1\" sdval=\"%1\" sdnum=\"1033;\">%1</td>").arg(cell);
}

QString Html(const Table& table) {
    QString html = QStringLiteral("<table>\n");
    for (std::size_t row = 0; row < table.size(); ++row) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : table[row])
            html += row == 0 ? QStringLiteral("<th>%1</th>").arg(cell.toHtmlEscaped()) : Cell(cell);
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

// The tables as text, a blank line between them, and as one HTML table each.
QMimeData* MimeOf(const std::vector<Table>& tables) {
    QStringList texts;
    QString html;
    for (const Table& table : tables) {
        texts << Text(table);
        html += Html(table);
    }
    auto* data = new QMimeData;
    data->setText(texts.join(QLatin1Char('\n')));
    data->setHtml(html);
    return data;
}

} // namespace

QString PlainNumber(const QString& shown) {
    return QString::fromStdString(calc::CaptionNumber(shown.toStdString()));
}

QMimeData* CopiedPlan(const std::vector<CopiedFigure>& figures, const QAbstractItemModel& months) {
    return MimeOf({FigureTable(figures), MonthTable(months)});
}

QMimeData* CopiedMonths(const QAbstractItemModel& months, const std::vector<int>& rows) {
    return MimeOf({MonthNumbers(months, rows)});
}

} // namespace planwindow
