// SPDX-License-Identifier: MIT
#include "mainwindow/tab_control.h"

#include "mainwindow/tab_strip_style.h"
#include "widgets/accessible_roles.h"

#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace mainwindow {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    auto* style = new TabStripStyle;
    style->setParent(this);
    setStyle(style);
    tabBar()->setStyle(style);
    // The captions draw no focus rectangle, so the strip takes no focus: Alt with a
    // caption's underlined letter selects a tab from the keyboard.
    setFocusPolicy(Qt::NoFocus);
    tabBar()->setFocusPolicy(Qt::NoFocus);
    tabBar()->setExpanding(false);
    tabBar()->setDrawBase(false);
    // The pages are known by their tabs' names; the stack that holds them is no news.
    if (auto* stack = findChild<QStackedWidget*>())
        widgets::SetAccessibleRole(*stack, QAccessible::Client);
}

QWidget* TabControl::addSheet(const QString& caption) {
    auto* page = new QWidget;
    // Screen readers find the page under its tab's name.
    page->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    widgets::SetAccessibleRole(*page, QAccessible::PageTab);
    addTab(page, caption);
    auto* sheet = new QWidget(page);
    sheets_.push_back(sheet);
    placeSheets();
    return sheet;
}

void TabControl::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    placeSheets();
}

void TabControl::placeSheets() {
    ensurePolished();
    // Where QTabWidget puts its pages, asked the way QTabWidget itself asks.
    QStyleOptionTabWidgetFrame frame;
    initStyleOption(&frame);
    const QPoint pageTopLeft =
        style()->subElementRect(QStyle::SE_TabWidgetTabContents, &frame, this).topLeft();
    for (QWidget* sheet : sheets_)
        sheet->setGeometry(QRect(-pageTopLeft, size()));
}

} // namespace mainwindow
