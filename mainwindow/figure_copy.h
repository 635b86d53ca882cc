// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/calculator_page.h"

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QMenu;
class QWidget;

namespace mainwindow {

// Taking the figures out of the window as it shows them at that moment: a menu on each of
// the nine result labels, and Ctrl+Shift+C anywhere in the window for the whole table.
class FigureCopy final : public QObject {
    Q_OBJECT

public:
    struct Row {
        QString name;
        QString shown;
        QString number;
    };

    FigureCopy(QWidget& window, std::vector<CalculatorPage::NamedBox> boxes,
               std::vector<QLabel*> figures);

    // The key of the Plan window, shown beside its item.
    static inline const QKeySequence kPlanKeys{Qt::CTRL | Qt::Key_G};

    // The menu a right-click on figure opens: "Copy", "Copy Number", "Copy All Figures",
    // and "Plan…", which asks for the Plan window.
    // The caller shows it; it copies when an item is triggered.
    QMenu* createContextMenu(const QLabel& figure, QWidget* parent) const;

    // The typed figures, then the results under their descriptions.
    std::vector<Row> rows() const;

    // Puts the table on the clipboard as tab-separated text and as an HTML table.
    void copyTable() const;

    // The caption as a number any spreadsheet reads: no "$", "," or "%", and a "0" before a
    // bare decimal point ("$.15" gives "0.15", "-$.50" gives "-0.50").
    static QString PlainNumber(const QString& shown);

    // One line per row after a header, cells separated by tabs. Within a cell, every run of
    // tabs, line breaks and blanks is one blank, in the HTML too.
    static QString PlainTextTable(const std::vector<Row>& rows);
    static QString HtmlTable(const std::vector<Row>& rows);

signals:
    void planRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::vector<CalculatorPage::NamedBox> boxes_;
    std::vector<QLabel*> figures_;
};

} // namespace mainwindow
