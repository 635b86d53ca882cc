// SPDX-License-Identifier: MIT
#pragma once

#include "month_table_model.h"
#include "plan_view.h"

#include <QWidget>
#include <array>

class EarningsChart;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The Plan window: a goal worked back to the impressions, page views, clicks or eCPM it
// needs, and the earnings worked forward month by month, in a table and a chart. Every
// keystroke works the plan afresh. Nothing is kept: each window starts from the figures it
// is given and deletes itself when closed; Esc closes it.
class PlanWindow final : public QWidget {
    Q_OBJECT

public:
    // A window of its own beside owner, its fields filled from start.
    PlanWindow(const plan::Fields& start, QWidget& owner);

    // The fields, the results and the month table to the clipboard, as text and HTML:
    // Ctrl+Shift+C and the Copy button.
    void copyPlan();

    const MonthTableModel& months() const { return months_; }

private:
    QGroupBox* createGoal();
    QGroupBox* createFigures();
    QGroupBox* createResults();
    QGroupBox* createMonths();
    QGroupBox* createChart();
    void fill(const plan::Fields& start);
    plan::Fields fields() const;
    void refresh();

    QLineEdit* goal_ = nullptr;
    QComboBox* period_ = nullptr;
    QRadioButton* solveImpressions_ = nullptr;
    QRadioButton* solveECPM_ = nullptr;
    std::array<QLineEdit*, 8> figures_{}; // in the order of kFigureFields in the .cpp
    std::array<QLabel*, plan::kResultNames.size()> resultLabels_{};
    std::array<QLineEdit*, plan::kResultNames.size()> results_{};
    QLabel* refusal_ = nullptr;
    plan::View view_; // the plan shown
    MonthTableModel months_;
    EarningsChart* chart_ = nullptr;
};
