// SPDX-License-Identifier: MIT
#include "mainwindow/figure_copy.h"

#include "calc/conversions.h"
#include "widgets/announcement.h"
#include "widgets/copy_items.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <algorithm>

namespace mainwindow {

namespace {

const QStringList kHeader = {QStringLiteral("Figure"), QStringLiteral("Shown"),
                             QStringLiteral("Number")};

const QKeySequence kCopyAllKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

// A box holds what a paste put there, tabs included: a cell that carried a tab or a line
// break would split its row in the spreadsheet it is pasted into. Blanks stand in for them.
QStringList Cells(const FigureCopy::Row& row) {
    return {row.name.simplified(), row.shown.simplified(), row.number.simplified()};
}

} // namespace

FigureCopy::FigureCopy(QWidget& window, std::vector<CalculatorPage::NamedBox> boxes,
                       std::vector<QLabel*> figures)
    : QObject(&window), window_(window), boxes_(std::move(boxes)), figures_(std::move(figures)) {
    for (QLabel* figure : figures_) {
        figure->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(figure, &QWidget::customContextMenuRequested, this,
                [this, figure](const QPoint& position) {
                    QMenu* menu = createContextMenu(*figure, figure);
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(figure->mapToGlobal(position));
                });
    }
    for (const CalculatorPage::NamedBox& typed : boxes_)
        typed.box->installEventFilter(this);
    // Ctrl+C stays with the boxes, for their selected text.
    auto* copyAll = new QShortcut(kCopyAllKeys, &window);
    connect(copyAll, &QShortcut::activated, this, &FigureCopy::copyTable);
}

QMenu* FigureCopy::createContextMenu(const QLabel& figure, QWidget* parent) const {
    auto* menu = new QMenu(parent);
    widgets::AddCopyItems(*menu, window_, figure, &FigureCopy::PlainNumber);
    QAction* copyAll = menu->addAction(QStringLiteral("Copy All Figures"));
    // Shown beside the item; the window's own shortcut does the work.
    copyAll->setShortcut(kCopyAllKeys);
    copyAll->setShortcutContext(Qt::WidgetShortcut);
    connect(copyAll, &QAction::triggered, menu, [this] { copyTable(); });
    menu->addSeparator();
    QAction* plan = menu->addAction(QStringLiteral("Plan\u2026"));
    plan->setShortcut(kPlanKeys);
    plan->setShortcutContext(Qt::WidgetShortcut);
    connect(plan, &QAction::triggered, this, &FigureCopy::planRequested);
    return menu;
}

// The figures never take the focus: from the keyboard, the menu key or Shift+F10 in a box
// opens the menu of the figure in the box's row. The mouse keeps the box's own menu.
bool FigureCopy::eventFilter(QObject* watched, QEvent* event) {
    const auto typed = std::ranges::find(boxes_, watched, &CalculatorPage::NamedBox::box);
    if (typed == boxes_.end())
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool menuKey = key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier;
        const bool shiftF10 = key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
        if (!menuKey && !shiftF10)
            return false;
    } else if (event->type() != QEvent::ContextMenu ||
               static_cast<const QContextMenuEvent&>(*event).reason() !=
                   QContextMenuEvent::Keyboard) {
        return false;
    }
    QMenu* menu = createContextMenu(*typed->actual, typed->box);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(typed->box->mapToGlobal(QPoint(0, typed->box->height())));
    // Opened from the keys: the first item is ready for Enter.
    menu->setActiveAction(menu->actions().value(0));
    return true;
}

std::vector<FigureCopy::Row> FigureCopy::rows() const {
    std::vector<Row> result;
    for (const CalculatorPage::NamedBox& typed : boxes_)
        result.push_back({typed.name, typed.box->text(), typed.box->text()});
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
    // Nothing in the window changes: without these words a reader would stay silent.
    widgets::Announce(window_, QStringLiteral("All figures copied"));
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

} // namespace mainwindow
