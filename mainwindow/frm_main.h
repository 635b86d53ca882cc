// SPDX-License-Identifier: MIT
#pragma once

#include "bind/message_box_service.h"
#include "mainwindow/calculator_page.h"
#include "mainwindow/load_pages.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace planwindow {
class PlanWindow;
}

namespace mainwindow {

class TabControl;

// The main window: a header picture, the tab control with the calculator, the help and the
// recommended tools, and a footer with the product's web site over the copyright line.
class frmMain final : public QWidget {
    Q_OBJECT

public:
    // Builds the window and prepares it for showing: caption, shadow, first tab. Whether
    // another instance runs is settled before a window is made.
    frmMain();
    ~frmMain() override;

    calc::Calculator& calculator() { return calculatorPage_->calculator(); }

private:
    void createHeader();
    void createTabs();
    void createWebPanes(QWidget& helpSheet, QWidget& toolsSheet);
    void createFigureTools();
    void createFooter();
    void setFocusOrder();
    void load();
    void showAbout();
    // Opens the Plan window over the figures shown now, the first time; after that shows the
    // same window again, as it was left.
    void showPlan();

    // Message boxes of the calculator and of the pages, modal over this window.
    bind::MessageBoxService messages_{this};
    TabControl* ucTabMain_ = nullptr;
    std::unique_ptr<CalculatorPage> calculatorPage_;
    pages::Panes panes_{};
    std::vector<CalculatorPage::TabStop> tabStops_;
    planwindow::PlanWindow* plan_ = nullptr; // a child window, made by the first showPlan
};

} // namespace mainwindow
