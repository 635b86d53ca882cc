// SPDX-License-Identifier: MIT
#include "plan_window.h"

#include "announcement.h"
#include "application_facts.h"
#include "earnings_chart.h"
#include "fonts.h"
#include "images.h"
#include "plan_copy.h"
#include "window_place.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

struct FieldSpec {
    const char* name;
    const char* label;
    QString plan::Fields::*text;
};

// The figures a plan starts from, after the goal, in the order of the window.
constexpr std::array<FieldSpec, 8> kFigureFields = {{
    {"txtPlanImpressions", "Impressions a &day:", &plan::Fields::impressions},
    {"txtPlanCTR", "C&TR (%):", &plan::Fields::ctr},
    {"txtPlanECPM", "eCP&M ($):", &plan::Fields::ecpm},
    {"txtPageViews", "Page &views a day:", &plan::Fields::pageViews},
    {"txtAdsPerPage", "&Ads per page:", &plan::Fields::adsPerPage},
    {"txtFillRate", "&Fill rate (%):", &plan::Fields::fillRate},
    {"txtGrowth", "Gro&wth (% a month):", &plan::Fields::growth},
    {"txtMonths", "Mo&nths:", &plan::Fields::months},
}};
constexpr std::size_t kFirstTraffic = 3; // the optional page views, ads per page, fill rate
constexpr std::size_t kFirstGrowth = 6;
constexpr std::size_t kECPMField = 2;

const QStringList kPeriods = {QStringLiteral("Day"), QStringLiteral("Week"),
                              QStringLiteral("Month"), QStringLiteral("Year")};

const QKeySequence kCopyKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

// What a reader calls a field: its label without the mnemonic and the colon.
QString SpokenName(const QString& label) {
    QString name = label;
    return name.remove(QLatin1Char('&')).remove(QLatin1Char(':'));
}

QLabel* AddLabelled(QGridLayout& grid, int row, const QString& label, QWidget& field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(&field);
    field.setAccessibleName(SpokenName(label));
    grid.addWidget(caption, row, 0);
    grid.addWidget(&field, row, 1);
    return caption;
}

QLineEdit* AddField(QGridLayout& grid, int row, const char* name, const char* label) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    AddLabelled(grid, row, QString::fromLatin1(label), *field);
    return field;
}

} // namespace

PlanWindow::PlanWindow(const plan::Fields& start, QWidget& owner) : QWidget(&owner, Qt::Window) {
    setObjectName(QStringLiteral("frmPlan"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Plan - ") + application::Title());
    setWindowIcon(images::ProgramIcon());
    setFont(widgets::DesignFont(widgets::kVerdana, 8.25));
    // Not a designed window: it has no designed white to keep, so it takes the desktop's
    // colours, dark or light, instead of the designed light ones of its owner.
    setPalette(QGuiApplication::palette());

    // The fields on the left; the results and their chart on the right; the table below.
    auto* left = new QVBoxLayout;
    left->addWidget(createGoal());
    left->addWidget(createFigures());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(createResults());
    QGroupBox* table = createMonths();
    right->addWidget(createChart(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);

    auto* copy = new QPushButton(QStringLiteral("Cop&y Plan"));
    copy->setObjectName(QStringLiteral("cmdCopyPlan"));
    copy->setAccessibleDescription(kCopyKeys.toString(QKeySequence::NativeText));
    connect(copy, &QPushButton::clicked, this, &PlanWindow::copyPlan);
    auto* closeButton = new QPushButton(QStringLiteral("Close"));
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(closeButton);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addWidget(table, 1);
    whole->addLayout(buttons);

    connect(new QShortcut(kCopyKeys, this), &QShortcut::activated, this, &PlanWindow::copyPlan);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    fill(start);
    refresh();
    if (const QScreen* screen = owner.screen())
        move(desktop::CentredPlace(sizeHint(), screen->availableGeometry()));
    goal_->setFocus();
    goal_->selectAll();
}

QGroupBox* PlanWindow::createGoal() {
    auto* group = new QGroupBox(QStringLiteral("Goal"));
    auto* grid = new QGridLayout(group);
    goal_ = AddField(*grid, 0, "txtGoal", "&Goal ($):");
    period_ = new QComboBox;
    period_->setObjectName(QStringLiteral("cboPeriod"));
    period_->addItems(kPeriods);
    AddLabelled(*grid, 1, QStringLiteral("&Per:"), *period_);
    period_->setAccessibleName(QStringLiteral("Goal per"));

    solveImpressions_ = new QRadioButton(QStringLiteral("&Impressions"));
    solveImpressions_->setObjectName(QStringLiteral("optSolveImpressions"));
    solveECPM_ = new QRadioButton(QStringLiteral("&eCPM"));
    solveECPM_->setObjectName(QStringLiteral("optSolveECPM"));
    auto* solve = new QWidget;
    solve->setAccessibleName(QStringLiteral("Solve for"));
    auto* row = new QHBoxLayout(solve);
    row->setContentsMargins({});
    row->addWidget(solveImpressions_);
    row->addWidget(solveECPM_);
    row->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Solve for:")), 2, 0);
    grid->addWidget(solve, 2, 1);
    // Either choice names the figure solved for: readers hear "Solve for" with it.
    for (QRadioButton* option : {solveImpressions_, solveECPM_})
        option->setAccessibleDescription(QStringLiteral("Solve for"));

    connect(goal_, &QLineEdit::textChanged, this, &PlanWindow::refresh);
    connect(period_, &QComboBox::currentIndexChanged, this, &PlanWindow::refresh);
    connect(solveECPM_, &QRadioButton::toggled, this, &PlanWindow::refresh);
    return group;
}

QGroupBox* PlanWindow::createFigures() {
    auto* group = new QGroupBox(QStringLiteral("Figures"));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < kFigureFields.size(); ++i) {
        // Blank rows part the traffic, which may stand in for the impressions, and the growth.
        const int row = int(i) + (i >= kFirstTraffic) + (i >= kFirstGrowth);
        figures_[i] = AddField(*grid, row, kFigureFields[i].name, kFigureFields[i].label);
        connect(figures_[i], &QLineEdit::textChanged, this, &PlanWindow::refresh);
    }
    figures_[kFirstTraffic]->setPlaceholderText(QStringLiteral("optional"));
    grid->setRowMinimumHeight(int(kFirstTraffic), fontMetrics().height() / 2);
    grid->setRowMinimumHeight(int(kFirstGrowth) + 1, fontMetrics().height() / 2);
    return group;
}

QGroupBox* PlanWindow::createResults() {
    auto* group = new QGroupBox(QStringLiteral("Results"));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < plan::kResultNames.size(); ++i) {
        auto* result = new QLineEdit;
        result->setReadOnly(true);
        result->setFrame(false);
        result->setAlignment(Qt::AlignRight);
        result->setObjectName(QStringLiteral("txtResult%1").arg(i));
        const QString name = QString::fromLatin1(plan::kResultNames[i]);
        resultLabels_[i] = AddLabelled(*grid, int(i), name + QLatin1Char(':'), *result);
        results_[i] = result;
    }
    refusal_ = new QLabel;
    refusal_->setObjectName(QStringLiteral("lblRefusal"));
    refusal_->setWordWrap(true);
    refusal_->setTextFormat(Qt::PlainText);
    grid->addWidget(refusal_, int(plan::kResultNames.size()), 0, 1, 2);
    grid->setRowStretch(int(plan::kResultNames.size()) + 1, 1);
    return group;
}

QGroupBox* PlanWindow::createMonths() {
    auto* group = new QGroupBox(QStringLiteral("Month by month"));
    auto* table = new QTableView;
    table->setObjectName(QStringLiteral("tblMonths"));
    table->setAccessibleName(QStringLiteral("Month table"));
    table->setModel(&months_);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    const int rowHeight = fontMetrics().height() + 6;
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->setMinimumHeight(7 * rowHeight);
    (new QVBoxLayout(group))->addWidget(table);
    return group;
}

QGroupBox* PlanWindow::createChart() {
    auto* group = new QGroupBox(QStringLiteral("Monthly earnings"));
    chart_ = new EarningsChart(months_, MonthTableModel::Month, MonthTableModel::Monthly,
                               MonthTableModel::kAmountRole);
    chart_->setObjectName(QStringLiteral("picEarningsChart"));
    (new QVBoxLayout(group))->addWidget(chart_);
    return group;
}

void PlanWindow::fill(const plan::Fields& start) {
    goal_->setText(start.goal);
    period_->setCurrentIndex(start.period);
    (start.solve == plan::Solve::ECPM ? solveECPM_ : solveImpressions_)->setChecked(true);
    for (std::size_t i = 0; i < kFigureFields.size(); ++i)
        figures_[i]->setText(start.*kFigureFields[i].text);
}

plan::Fields PlanWindow::fields() const {
    plan::Fields typed;
    typed.goal = goal_->text();
    typed.period = period_->currentIndex();
    typed.solve = solveECPM_->isChecked() ? plan::Solve::ECPM : plan::Solve::Impressions;
    for (std::size_t i = 0; i < kFigureFields.size(); ++i)
        typed.*kFigureFields[i].text = figures_[i]->text();
    return typed;
}

void PlanWindow::refresh() {
    if (!chart_)
        return; // still filling the fields
    const plan::Fields typed = fields();
    // Solving for the eCPM, the typed one plays no part.
    figures_[kECPMField]->setEnabled(typed.solve == plan::Solve::Impressions);
    view_ = plan::Work(typed);
    const plan::View& view = view_;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const bool shown = !view.results[i].isEmpty();
        results_[i]->setText(view.results[i]);
        results_[i]->setVisible(shown);
        resultLabels_[i]->setVisible(shown);
    }
    // A refusal is news the focus would not bring: it is told once as it appears.
    if (!view.refusal.isEmpty() && view.refusal != refusal_->text())
        widgets::Announce(*this, view.refusal);
    refusal_->setText(view.refusal);
    refusal_->setVisible(!view.refusal.isEmpty());
    months_.setRows(view.months);
    chart_->setGoal(view.goalLine);
}

void PlanWindow::copyPlan() {
    std::vector<plan::CopiedFigure> copied = {
        {QStringLiteral("Goal ($)"), goal_->text()},
        {QStringLiteral("Goal per"), period_->currentText()},
        {QStringLiteral("Solve for"),
         solveECPM_->isChecked() ? QStringLiteral("eCPM") : QStringLiteral("Impressions")},
    };
    for (std::size_t i = 0; i < kFigureFields.size(); ++i)
        copied.push_back(
            {SpokenName(QString::fromLatin1(kFigureFields[i].label)), figures_[i]->text()});
    for (std::size_t i = 0; i < view_.results.size(); ++i) {
        if (!view_.results[i].isEmpty())
            copied.push_back({QString::fromLatin1(plan::kResultNames[i]), view_.results[i]});
    }
    QGuiApplication::clipboard()->setMimeData(plan::CopiedPlan(copied, months_));
    widgets::Announce(*this, QStringLiteral("Plan copied"));
}
