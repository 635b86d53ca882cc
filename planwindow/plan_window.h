// SPDX-License-Identifier: MIT
#pragma once

#include "planwindow/month_table_model.h"
#include "planwindow/plan_view.h"

#include <QWidget>
#include <array>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace widgets {
class TypingPauseNews;
}

namespace planwindow {

class EarningsChart;

// The Plan window: a goal worked back to the impressions, page views, clicks or eCPM it
// needs, and the earnings worked forward month by month, in a table and a chart. Every
// keystroke works the plan afresh, in the engine. It lives as long as its owner: closing it
// (Esc, Close) only hides it, with its fields, choices and size as the user left them.
class PlanWindow final : public QWidget {
    Q_OBJECT

public:
    // A window of its own over owner, its fields filled from start, beside owner where the
    // screen has room.
    PlanWindow(const planning::PlanTexts& start, QWidget& owner);

    // The calculator's figures now, as planning::StartTexts makes them: each field of
    // planning::kFromCalculator takes its text, until the user edits that field here; from
    // then on it is theirs. The focus and the caret stay where they are.
    void follow(const planning::PlanTexts& calculator);

    // The fields, the results and the month table to the clipboard, as text and HTML:
    // Ctrl+Shift+C and the Copy button.
    void copyPlan();

    // The varnelcalc-cli line that makes the same plan, to the clipboard as text: the button
    // Copy as Command.
    void copyCommand();

signals:
    // Ctrl+Q, to quit the program as the owner's Quit does.
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* createGoal();
    QGroupBox* createFigures();
    QGroupBox* createPay();
    QGroupBox* createResults();
    QGroupBox* createMonths();
    QGroupBox* createChart();
    void fill(const planning::PlanTexts& start);
    void setTips();
    void place(QWidget& owner);
    planning::PlanTexts texts() const;
    void refresh();
    void copyMonths(const QTableView& table);

    QButtonGroup* period_ = nullptr; // ids in calc::Period's order
    QButtonGroup* solve_ = nullptr;  // ids in planning::Solve's order
    QButtonGroup* paid_ = nullptr;   // ids in calc::PaidPer's order
    std::array<QLineEdit*, planning::kAllPlanInputs.size()> fields_{}; // in PlanInput's order
    std::array<QLabel*, kShownBlocks.size()> blockHeadings_{};         // in kShownBlocks' order
    std::array<bool, planning::kAllPlanInputs.size()> edited_{};       // by the user, here
    std::array<QLabel*, kResultCount> resultLabels_{};
    std::array<QLineEdit*, kResultCount> results_{};
    QLabel* gap_ = nullptr;
    QLabel* reached_ = nullptr;
    QLabel* refusal_ = nullptr;
    PlanView view_; // the plan shown
    MonthTableModel months_;
    QGroupBox* chartGroup_ = nullptr;
    EarningsChart* chart_ = nullptr;
    widgets::TypingPauseNews* news_ = nullptr;
};

} // namespace planwindow
