// SPDX-License-Identifier: MIT
#include "planwindow/plan_window.h"

#include "desktop/window_place.h"
#include "planning/command_line.h"
#include "planning/start.h"
#include "planwindow/copy_menu.h"
#include "planwindow/earnings_chart.h"
#include "planwindow/plan_controls.h"
#include "planwindow/plan_copy.h"
#include "product/application_facts.h"
#include "resources/images.h"
#include "widgets/accessible_roles.h"
#include "widgets/announcement.h"
#include "widgets/enter_presses_button.h"
#include "widgets/fonts.h"
#include "widgets/typing_pause_news.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace planwindow {

namespace {

using planning::PlanInput;

struct FigureField {
    PlanInput input;
    const char* name;
    bool parted; // a blank row before it parts the groups of figures
};

// The figures a plan starts from, in the order of the window; the goal has its own group.
// The traffic, which may stand in for the impressions, and the growth are groups of their own.
constexpr std::array<FigureField, 8> kFigureFields = {{
    {PlanInput::Impressions, "txtPlanImpressions", false},
    {PlanInput::CTR, "txtPlanCTR", false},
    {PlanInput::ECPM, "txtPlanECPM", false},
    {PlanInput::PageViews, "txtPageViews", true},
    {PlanInput::AdsPerPage, "txtAdsPerPage", false},
    {PlanInput::FillRate, "txtFillRate", false},
    {PlanInput::Growth, "txtGrowth", true},
    {PlanInput::Months, "txtMonths", false},
}};

// How the publisher is paid, a group of its own below the figures: a CPC stands in for the
// eCPM, and a share makes the goal net.
constexpr std::array<FigureField, 2> kPayFields = {{
    {PlanInput::CPC, "txtPlanCPC", false},
    {PlanInput::Share, "txtShare", false},
}};

const char* LabelOf(PlanInput input) {
    return planning::FactsOf(input).label;
}

// In the order of calc::Period, planning::Solve and calc::PaidPer. The CPC has no key of its
// own: Alt+C copies the command, Alt+P enters the CPC field; the arrow keys reach it, as they
// reach the periods.
const QStringList kPeriods = {QStringLiteral("Day"), QStringLiteral("Week"),
                              QStringLiteral("Month"), QStringLiteral("Year")};
const QStringList kSolves = {QStringLiteral("&Impressions"), QStringLiteral("&eCPM"),
                             QStringLiteral("CPC")};
const QStringList kPaid = {QStringLiteral("Click"), QStringLiteral("Impression")};

const QKeySequence kCopyKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
// As in the main window, whose Quit it stands for.
const QKeySequence kQuitKeys(Qt::CTRL | Qt::Key_Q);

// What a field's tooltip says after its name and range, where there is more to know.
struct FieldNote {
    PlanInput input;
    const char* note;
};
constexpr std::array kFieldNotes = {
    FieldNote{PlanInput::Goal, "Earned per day, week, month or year, as chosen below."},
    FieldNote{PlanInput::PageViews, "May stand in for the impressions."},
    FieldNote{PlanInput::AdsPerPage, "Used with page views only."},
    FieldNote{PlanInput::FillRate, "Used with page views only."},
    FieldNote{PlanInput::ECPM,
              "Solving for the eCPM, today's, which the needed one is compared with."},
    FieldNote{PlanInput::CPC, "Paid per click instead of the eCPM, which it then leaves out; "
                              "solving for the CPC, today's."},
    FieldNote{PlanInput::Share, "Empty for 100 %; below it the goal is net."},
    FieldNote{PlanInput::Growth, "Empty for no month table."},
};

// "Ads per page: a whole number from 0 to 100. Used with page views only.", from the plan
// inputs' table, as the refusals of a figure out of its range say it.
QString TipOf(PlanInput input) {
    const planning::PlanInputFacts& facts = planning::FactsOf(input);
    QStringList tip = {SpokenName(facts.label) + QStringLiteral(": ") +
                       QString::fromLatin1(facts.form.range) + QLatin1Char('.')};
    if (std::ranges::find(planning::kFromCalculator, input) != planning::kFromCalculator.end())
        tip << QStringLiteral("Follows the calculator until edited here.");
    if (const auto note = std::ranges::find(kFieldNotes, input, &FieldNote::input);
        note != kFieldNotes.end())
        tip << QString::fromLatin1(note->note);
    return tip.join(QLatin1Char(' '));
}

// The place of a block of results among the blocks shown.
std::size_t BlockIndex(planning::ResultBlock block) {
    return std::size_t(std::ranges::find(kShownBlocks, block) - kShownBlocks.begin());
}

void MakeBold(QLabel& label) {
    QFont bold = label.font();
    bold.setBold(true);
    label.setFont(bold);
}

// A scroll area that asks for room for all it holds: QScrollArea's own size hint stops at
// 36 × 24 lines of text, which would open the window smaller than the plan on any screen.
class WholeScrollArea final : public QScrollArea {
public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

} // namespace

PlanWindow::PlanWindow(const planning::PlanTexts& start, QWidget& owner)
    : QWidget(&owner, Qt::Window) {
    setObjectName(QStringLiteral("frmPlan"));
    setWindowTitle(QStringLiteral("Plan - ") + product::Title());
    setWindowIcon(images::ProgramIcon());
    setFont(widgets::DesignFont(widgets::kVerdana, 8.25));
    // Not a designed window: it has no designed white to keep, so it takes the desktop's
    // colours, dark or light, instead of the designed light ones of its owner.
    setPalette(QGuiApplication::palette());

    // The fields on the left; the results and their chart on the right; the table below.
    auto* left = new QVBoxLayout;
    left->addWidget(createGoal());
    left->addWidget(createFigures());
    left->addWidget(createPay());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(createResults());
    QGroupBox* table = createMonths();
    right->addWidget(createChart(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    // The plan scrolls where the screen is too small for it (a large scale factor), and the
    // window can be made small: the buttons below stay in sight.
    auto* content = new QWidget;
    auto* plan = new QVBoxLayout(content);
    plan->setContentsMargins({});
    plan->addLayout(columns);
    plan->addWidget(table, 1);
    auto* scroll = new WholeScrollArea;
    scroll->setObjectName(QStringLiteral("scrPlan"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    // Whatever takes the focus is scrolled into sight, by a mnemonic or a click as by Tab.
    connect(qApp, &QApplication::focusChanged, scroll, [scroll](QWidget*, QWidget* now) {
        if (now && scroll->widget()->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto addButton = [&](const QString& text, const QString& name, auto slot) {
        auto* button = new QPushButton(text);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, slot);
        widgets::PressOnEnter(*button);
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("Cop&y Plan"), QStringLiteral("cmdCopyPlan"), &PlanWindow::copyPlan)
        ->setAccessibleDescription(kCopyKeys.toString(QKeySequence::NativeText));
    addButton(QStringLiteral("Copy as &Command"), QStringLiteral("cmdCopyCommand"),
              &PlanWindow::copyCommand)
        ->setToolTip(QStringLiteral("The varnelcalc-cli line that makes this plan"));
    addButton(QStringLiteral("Close"), QStringLiteral("cmdClose"), &QWidget::close);

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(scroll, 1);
    whole->addLayout(buttons);

    connect(new QShortcut(kCopyKeys, this), &QShortcut::activated, this, &PlanWindow::copyPlan);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    connect(new QShortcut(kQuitKeys, this), &QShortcut::activated, this,
            &PlanWindow::quitRequested);

    fill(start);
    setTips();
    refresh();
    // The results shown and hidden changed the plan's size, which its layouts learn only once
    // shown: they learn it now, so that the first size fits the plan.
    plan->invalidate();
    plan->activate();
    place(owner);
    QLineEdit* goal = fields_[std::size_t(PlanInput::Goal)];
    goal->setFocus();
    goal->selectAll();
}

QGroupBox* PlanWindow::createGoal() {
    auto* group = new QGroupBox(QStringLiteral("Goal"));
    auto* grid = new QGridLayout(group);
    fields_[std::size_t(PlanInput::Goal)] = AddField(*grid, 0, "txtGoal", LabelOf(PlanInput::Goal));
    period_ = AddChoices(*grid, 1, "Per:", "Goal per", kPeriods);
    solve_ = AddChoices(*grid, 2, "Solve for:", "Solve for", kSolves);
    return group;
}

QGroupBox* PlanWindow::createFigures() {
    auto* group = new QGroupBox(QStringLiteral("Figures"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const FigureField& field : kFigureFields) {
        if (field.parted)
            grid->setRowMinimumHeight(row++, fontMetrics().height() / 2);
        fields_[std::size_t(field.input)] =
            AddField(*grid, row++, field.name, LabelOf(field.input));
    }
    fields_[std::size_t(PlanInput::PageViews)]->setPlaceholderText(QStringLiteral("optional"));
    return group;
}

QGroupBox* PlanWindow::createPay() {
    auto* group = new QGroupBox(QStringLiteral("How you are paid"));
    auto* grid = new QGridLayout(group);
    paid_ = AddChoices(*grid, 0, "Paid per:", "Paid per", kPaid);
    int row = 1;
    for (const FigureField& field : kPayFields)
        fields_[std::size_t(field.input)] =
            AddField(*grid, row++, field.name, LabelOf(field.input));
    fields_[std::size_t(PlanInput::Share)]->setPlaceholderText(QStringLiteral("100"));
    return group;
}

QGroupBox* PlanWindow::createResults() {
    auto* group = new QGroupBox(QStringLiteral("Results"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    std::optional<planning::ResultBlock> block;
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (kResultSlots[i].block != block) {
            block = kResultSlots[i].block;
            auto* heading = new QLabel(BlockHeading(*block));
            MakeBold(*heading);
            blockHeadings_[BlockIndex(*block)] = heading;
            grid->addWidget(heading, row++, 0, 1, 2);
        }
        auto* result = new QLineEdit;
        result->setObjectName(QStringLiteral("txtResult%1").arg(i));
        result->setReadOnly(true);
        result->setFrame(false);
        result->setAlignment(Qt::AlignRight);
        // Read by its name, which carries the figure: Orca 43 reads the text of a box one
        // character short as the focus enters it ("1315" for 13154).
        widgets::SetAccessibleRole(*result, QAccessible::StaticText);
        AttachCopyMenu(*result);
        resultLabels_[i] = new QLabel;
        grid->addWidget(resultLabels_[i], row, 0);
        grid->addWidget(result, row++, 1);
        results_[i] = result;
    }
    // The gap and the goal's month, each a line a publisher reads at once.
    for (QLabel** line : {&gap_, &reached_}) {
        *line = new QLabel;
        (*line)->setWordWrap(true);
        (*line)->setTextFormat(Qt::PlainText);
        (*line)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        MakeBold(**line);
        grid->addWidget(*line, row++, 0, 1, 2);
    }
    gap_->setObjectName(QStringLiteral("lblGap"));
    reached_->setObjectName(QStringLiteral("lblReached"));
    refusal_ = new QLabel;
    refusal_->setObjectName(QStringLiteral("lblRefusal"));
    refusal_->setWordWrap(true);
    refusal_->setTextFormat(Qt::PlainText);
    grid->addWidget(refusal_, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return group;
}

QGroupBox* PlanWindow::createMonths() {
    auto* group = new QGroupBox(QStringLiteral("Month by month"));
    auto* table = new QTableView;
    table->setObjectName(QStringLiteral("tblMonths"));
    table->setAccessibleName(QStringLiteral("Month table"));
    table->setModel(&months_);
    table->verticalHeader()->hide();
    // Each column as wide as its widest figure, the last too: a cut amount would be a wrong
    // one, and a narrow window scrolls the table instead.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setTabKeyNavigation(false);
    const int rowHeight = fontMetrics().height() + 6;
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->setMinimumHeight(6 * rowHeight);
    table->installEventFilter(this);
    // The chart outlines the current month's bar; it is made after the table.
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (chart_)
                    chart_->setSelectedRow(current.isValid() ? std::optional(current.row())
                                                             : std::nullopt);
            });
    (new QVBoxLayout(group))->addWidget(table);
    return group;
}

QGroupBox* PlanWindow::createChart() {
    auto* group = new QGroupBox;
    chartGroup_ = group;
    chart_ = new EarningsChart(months_, 0, MonthTableModel::kAmountRole,
                               MonthTableModel::kAmountTextRole);
    chart_->setObjectName(QStringLiteral("picEarningsChart"));
    (new QVBoxLayout(group))->addWidget(chart_);
    return group;
}

// Entering the table makes its first month current, so that a reader reads a month, not only
// the table's size. Not before: Qt tells readers a new current cell as if it had the focus.
// Ctrl+C there copies the months selected, where the view would copy its current cell.
bool PlanWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* table = qobject_cast<QTableView*>(watched);
    if (table && event->type() == QEvent::FocusIn && !table->currentIndex().isValid())
        table->selectionModel()->setCurrentIndex(months_.index(0, 0),
                                                 QItemSelectionModel::NoUpdate);
    if (table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copyMonths(*table);
        return true;
    }
    return false;
}

void PlanWindow::fill(const planning::PlanTexts& start) {
    period_->button(int(start.per))->setChecked(true);
    solve_->button(int(start.solve))->setChecked(true);
    paid_->button(int(start.paid))->setChecked(true);
    for (const PlanInput input : planning::kAllPlanInputs)
        fields_[std::size_t(input)]->setText(QString::fromStdString(start[input]));
    // Every keystroke works the plan afresh, once the fields hold their first texts.
    news_ = new widgets::TypingPauseNews(*this, [this] { return ResultWords(view_); });
    for (QLineEdit* field : fields_) {
        connect(field, &QLineEdit::textChanged, this, &PlanWindow::refresh);
        news_->watch(*field);
    }
    // A field the user edits is no longer the calculator's to follow.
    for (const PlanInput input : planning::kFromCalculator)
        connect(fields_[std::size_t(input)], &QLineEdit::textEdited, this,
                [this, input] { edited_[std::size_t(input)] = true; });
    for (QButtonGroup* choices : {period_, solve_, paid_})
        connect(choices, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on)
                refresh();
        });
}

void PlanWindow::setTips() {
    for (const PlanInput input : planning::kAllPlanInputs)
        fields_[std::size_t(input)]->setToolTip(TipOf(input));
}

// The first size asks for the whole plan, within the screen.
void PlanWindow::place(QWidget& owner) {
    const QScreen* screen = owner.screen();
    if (!screen)
        return; // sized by Qt as it shows
    const QRect available = screen->availableGeometry();
    // Not shown yet, this window has no frame: the owner's tells what a frame adds.
    const QRect ownerFrame = owner.frameGeometry();
    const QSize frame = ownerFrame.size() - owner.size();
    resize(sizeHint().boundedTo(available.size() - frame));
    // Placed while it has no native handle: Qt takes the place as the frame's corner.
    const desktop::BesidePlaces places =
        desktop::BesidePlace(size() + frame, ownerFrame, available);
    move(places.window);
    owner.move(places.beside);
}

void PlanWindow::follow(const planning::PlanTexts& calculator) {
    for (const PlanInput input : planning::kFromCalculator) {
        if (!edited_[std::size_t(input)])
            Rewrite(*fields_[std::size_t(input)], QString::fromStdString(calculator[input]));
    }
}

planning::PlanTexts PlanWindow::texts() const {
    planning::PlanTexts typed;
    typed.per = calc::kAllPeriods[std::size_t(period_->checkedId())];
    typed.solve = static_cast<planning::Solve>(solve_->checkedId());
    typed.paid = static_cast<calc::PaidPer>(paid_->checkedId());
    // A field left out (disabled) plays no part.
    for (const PlanInput input : planning::kAllPlanInputs) {
        if (const QLineEdit* field = fields_[std::size_t(input)]; field->isEnabled())
            typed[input] = field->text().toStdString();
    }
    return typed;
}

void PlanWindow::refresh() {
    // The ads per page and the fill rate make impressions of page views, and play no part
    // without them. Solving for the eCPM, a typed one is today's, for the gap.
    const auto typedIn = [this](PlanInput input) {
        return !fields_[std::size_t(input)]->text().trimmed().isEmpty();
    };
    for (const PlanInput input : {PlanInput::AdsPerPage, PlanInput::FillRate})
        fields_[std::size_t(input)]->setEnabled(typedIn(PlanInput::PageViews));
    // A CPC is paid per click, instead of the eCPM, which it leaves out as the page views leave
    // out the impressions' own figures; solving for the CPC, a typed one is today's.
    const auto solve = static_cast<planning::Solve>(solve_->checkedId());
    const bool cpc =
        paid_->checkedId() == int(calc::PaidPer::Click) && solve != planning::Solve::ECPM;
    fields_[std::size_t(PlanInput::CPC)]->setEnabled(cpc);
    fields_[std::size_t(PlanInput::ECPM)]->setEnabled(
        !cpc || (solve != planning::Solve::CPC && !typedIn(PlanInput::CPC)));
    const planning::PlanTexts typed = texts();
    view_ = MakePlanView(typed);
    std::array<bool, kShownBlocks.size()> blockShown{};
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const ShownResult& result = view_.results[i];
        const bool shown = !result.shown.isEmpty();
        results_[i]->setText(result.shown);
        results_[i]->setAccessibleName(result.spoken + QStringLiteral(": ") + result.shown);
        results_[i]->setToolTip(result.tip);
        resultLabels_[i]->setText(result.label + QLatin1Char(':'));
        resultLabels_[i]->setToolTip(result.tip);
        results_[i]->setVisible(shown);
        resultLabels_[i]->setVisible(shown);
        blockShown[BlockIndex(kResultSlots[i].block)] |= shown;
    }
    for (std::size_t block = 0; block < blockHeadings_.size(); ++block)
        blockHeadings_[block]->setVisible(blockShown[block]);
    for (auto [line, text] : {std::pair{gap_, view_.gap}, std::pair{reached_, view_.reached}}) {
        line->setText(text);
        line->setVisible(!text.isEmpty());
    }
    // A refusal is news the focus would not bring: it is told once as it appears, and not
    // again after the pause in typing.
    if (!view_.refusal.isEmpty() && view_.refusal != refusal_->text() && isVisible()) {
        widgets::Announce(*this, view_.refusal);
        news_->told(view_.refusal);
    }
    refusal_->setText(view_.refusal);
    refusal_->setVisible(!view_.refusal.isEmpty());
    months_.setRows(view_.months, view_.monthShape, view_.reachedRow);
    chartGroup_->setTitle(view_.chartTitle);
    chart_->setGoal(view_.goalLine);
    chart_->setEmptyText(view_.emptyChart);
    chart_->setReachedMonth(view_.reachedRow);
}

void PlanWindow::copyPlan() {
    const planning::PlanTexts typed = texts(); // the fields that play a part
    std::vector<CopiedFigure> copied = {
        {SpokenName(LabelOf(PlanInput::Goal)), fields_[std::size_t(PlanInput::Goal)]->text()},
        {QStringLiteral("Goal per"), period_->checkedButton()->text(), true},
        {QStringLiteral("Solve for"), solve_->checkedButton()->text().remove(QLatin1Char('&')),
         true},
    };
    for (const FigureField& field : kFigureFields)
        copied.push_back(
            {SpokenName(LabelOf(field.input)), QString::fromStdString(typed[field.input])});
    copied.push_back({QStringLiteral("Paid per"), paid_->checkedButton()->text(), true});
    for (const FigureField& field : kPayFields)
        copied.push_back(
            {SpokenName(LabelOf(field.input)), QString::fromStdString(typed[field.input])});
    for (const ShownResult& result : view_.results) {
        if (!result.shown.isEmpty())
            copied.push_back({result.spoken, result.shown});
    }
    // The gap and the goal's month as the window says them: words, without a number.
    for (const auto& [name, sentence] : {std::pair{QStringLiteral("Gap"), view_.gap},
                                         std::pair{QStringLiteral("Goal month"), view_.reached}}) {
        if (!sentence.isEmpty())
            copied.push_back({name, sentence, true});
    }
    QGuiApplication::clipboard()->setMimeData(CopiedPlan(copied, months_));
    widgets::Announce(*this, QStringLiteral("Plan copied"));
}

void PlanWindow::copyCommand() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(planning::CommandLine(texts())));
    widgets::Announce(*this, QStringLiteral("Command copied"));
}

// The months selected, or the current one when none is.
void PlanWindow::copyMonths(const QTableView& table) {
    std::vector<int> rows;
    for (const QModelIndex& selected : table.selectionModel()->selectedRows())
        rows.push_back(selected.row());
    if (rows.empty() && table.currentIndex().isValid())
        rows.push_back(table.currentIndex().row());
    if (rows.empty())
        return;
    std::ranges::sort(rows);
    QGuiApplication::clipboard()->setMimeData(CopiedMonths(months_, rows));
    widgets::Announce(*this, rows.size() == 1
                                 ? QStringLiteral("1 month copied")
                                 : QStringLiteral("%1 months copied").arg(rows.size()));
}

} // namespace planwindow
