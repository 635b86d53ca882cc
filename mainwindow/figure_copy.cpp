// SPDX-License-Identifier: MIT
#include "figure_copy.h"

#include "conversions.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QShortcut>

namespace {

const QStringList kHeader = {QStringLiteral("Figure"), QStringLiteral("Shown"),
                             QStringLiteral("Number")};

// A box holds what a paste put there, tabs included: a cell that carried a tab or a line
// break would split its row in the spreadsheet it is pasted into. Blanks stand in for them.
QStringList Cells(const FigureCopy::Row& row) {
    return {row.name.simplified(), row.shown.simplified(), row.number.simplified()};
}

} // namespace

FigureCopy::FigureCopy(QWidget& window, std::vector<CalculatorPage::NamedBox> boxes,
                       std::vector<QLabel*> figures)
    : QObject(&window), boxes_(std::move(boxes)), figures_(std::move(figures)) {
    for (QLabel* figure : figures_) {
        figure->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(figure, &QWidget::customContextMenuRequested, this,
                [this, figure](const QPoint& position) {
                    QMenu* menu = createContextMenu(*figure, figure);
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(figure->mapToGlobal(position));
                });
    }
    // Ctrl+C stays with the boxes, for their selected text.
    auto* copyAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &window);
    connect(copyAll, &QShortcut::activated, this, &FigureCopy::copyTable);
}

QMenu* FigureCopy::createContextMenu(const QLabel& figure, QWidget* parent) const {
    auto* menu = new QMenu(parent);
    // Each item reads the caption when it is chosen, not when the menu opened.
    const QPointer<const QLabel> source(&figure);
    connect(menu->addAction(QStringLiteral("Copy")), &QAction::triggered, menu, [source] {
        if (source)
            QGuiApplication::clipboard()->setText(source->text());
    });
    connect(menu->addAction(QStringLiteral("Copy Number")), &QAction::triggered, menu, [source] {
        if (source)
            QGuiApplication::clipboard()->setText(PlainNumber(source->text()));
    });
    connect(menu->addAction(QStringLiteral("Copy All Figures")), &QAction::triggered, menu,
            [this] { copyTable(); });
    return menu;
}

std::vector<FigureCopy::Row> FigureCopy::rows() const {
    std::vector<Row> result;
    for (const auto& [name, box] : boxes_)
        result.push_back({name, box->text(), box->text()});
    for (const QLabel* figure : figures_)
        result.push_back(
            {figure->accessibleDescription(), figure->text(), PlainNumber(figure->text())});
    return result;
}

void FigureCopy::copyTable() const {
    const std::vector<Row> table = rows();
    auto* data = new QMimeData;
    data->setText(PlainTextTable(table));
    data->setHtml(HtmlTable(table));
    QGuiApplication::clipboard()->setMimeData(data);
}

QString FigureCopy::PlainNumber(const QString& shown) {
    return QString::fromStdString(calc::CaptionNumber(shown.toStdString()));
}

QString FigureCopy::PlainTextTable(const std::vector<Row>& rows) {
    QString text = kHeader.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const Row& row : rows)
        text += Cells(row).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString FigureCopy::HtmlTable(const std::vector<Row>& rows) {
    const auto line = [](const QStringList& cells, QLatin1StringView tag) {
        QString html = QStringLiteral("<tr>");
        for (const QString& cell : cells)
            html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
        return html + QStringLiteral("</tr>\n");
    };
    QString html = QStringLiteral("<table>\n") + line(kHeader, QLatin1StringView("th"));
    for (const Row& row : rows)
        html += line(Cells(row), QLatin1StringView("td"));
    return html + QStringLiteral("</table>\n");
}
