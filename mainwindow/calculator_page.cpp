// SPDX-License-Identifier: MIT
#include "mainwindow/calculator_page.h"

#include "bind/line_edit_box.h"
#include "bind/message_box_service.h"
#include "bind/spin_arrows.h"
#include "bind/wheel_steps.h"
#include "mainwindow/figure_copy.h"
#include "widgets/accessible_roles.h"
#include "widgets/announcement.h"
#include "widgets/design.h"
#include "widgets/enter_presses_button.h"
#include "widgets/fitting_label.h"
#include "widgets/focus_guard.h"
#include "widgets/fonts.h"
#include "widgets/quiet_news.h"
#include "widgets/twips.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace mainwindow {

namespace {

using widgets::twips::ToRect;

constexpr QColor kBlack(0, 0, 0);
constexpr QColor kActualRed(192, 0, 0);
constexpr QColor kEarningsGreen(0, 128, 0);
constexpr QColor kFrameText(56, 104, 156);
constexpr QColor kStepChoiceBackground(251, 253, 251);

QFont WindowFont() {
    return widgets::DesignFont(widgets::kVerdana, 8.25);
}
QFont BoldFont() {
    return widgets::DesignFont(widgets::kVerdana, 9.75, QFont::Bold);
}

// A box typed into, with its arrows at its left (overlapping it by one pixel) and the name
// a screen reader gives the arrows.
struct TypedFigure {
    calc::Box box;
    const char* arrowsName;
    const char* figure;
    QRect arrows;
    QRect text;
    calc::Caption actual; // the figure of the box's row under "Actual Numbers"
};
constexpr std::array kTypedFigures = {
    TypedFigure{calc::Box::Impressions, "updImpressions", "Impressions", ToRect(360, 240, 255, 405),
                ToRect(600, 240, 1420, 400), calc::Caption::ActualImpressions},
    TypedFigure{calc::Box::Clicks, "updClicks", "Clicks", ToRect(360, 1560, 255, 405),
                ToRect(600, 1560, 1420, 400), calc::Caption::ProjectedClicks},
    TypedFigure{calc::Box::CTR, "updCTR", "CTR", ToRect(360, 2160, 255, 405),
                ToRect(600, 2160, 555, 400), calc::Caption::ProjectedCTR},
    TypedFigure{calc::Box::Dec, "updDec", "CTR tenths", ToRect(1320, 2160, 255, 405),
                ToRect(1560, 2160, 450, 400), calc::Caption::ProjectedCTR},
    TypedFigure{calc::Box::ECPM, "updECPM", "eCPM", ToRect(360, 2760, 255, 405),
                ToRect(600, 2760, 1420, 400), calc::Caption::ECPM},
};
// Told with each box: the results never take the focus, these keys read them. A reader speaks
// the tip that F1 shows.
constexpr const char* kFiguresKeys = "F1 speaks the earnings, Shift+F1 the actual numbers, "
                                     "Shift+F10 copies";
constexpr const char* kFiguresKeysShown = "F1 shows the earnings, Shift+F1 the actual numbers, "
                                          "Shift+F10 copies";

// Focus order: the boxes first, the arrows after the step choice.
constexpr std::array kBoxTabIndex = {2, 3, 4, 5, 6};
constexpr std::array kArrowsTabIndex = {25, 26, 27, 29, 30};

// A result label and where it stands in its frame.
struct FigureLabel {
    calc::Caption caption;
    QRect geometry;
};
constexpr std::array kActualFigures = {
    FigureLabel{calc::Caption::ActualImpressions, ToRect(240, 240, 405, 240)},
    FigureLabel{calc::Caption::ProjectedClicks, ToRect(240, 1560, 135, 240)},
    FigureLabel{calc::Caption::ProjectedCTR, ToRect(240, 2160, 600, 240)},
    FigureLabel{calc::Caption::ECPM, ToRect(240, 2760, 615, 240)},
};

struct EarningsRow {
    const char* headingName;
    const char* heading;
    QRect headingGeometry;
    FigureLabel figure;
};
constexpr std::array kEarningsRows = {
    EarningsRow{"Lable8",
                "Daily:",
                ToRect(105, 195, 615, 240),
                {calc::Caption::DailyEarnings, ToRect(195, 465, 615, 240)}},
    EarningsRow{"Label1",
                "Weekly:",
                ToRect(105, 840, 870, 240),
                {calc::Caption::WeeklyEarnings, ToRect(195, 1095, 615, 240)}},
    EarningsRow{"Label3",
                "Monthly:",
                ToRect(105, 1485, 945, 240),
                {calc::Caption::MonthlyEarnings, ToRect(195, 1725, 615, 240)}},
    EarningsRow{"Label8",
                "Yearly:",
                ToRect(105, 2100, 780, 240),
                {calc::Caption::YearlyEarnings, ToRect(195, 2340, 615, 240)}},
    EarningsRow{"Label4",
                "Average EPC:",
                ToRect(105, 2685, 1470, 240),
                {calc::Caption::EPC, ToRect(195, 2955, 615, 240)}},
};

// The row headings at the left, each naming the box of its row for screen readers.
struct RowHeading {
    const char* name;
    const char* caption;
    QRect geometry;
    calc::Box box;
};
constexpr std::array kRowHeadings = {
    RowHeading{"Label13", "Impressions:", ToRect(240, 1320, 1425, 240), calc::Box::Impressions},
    RowHeading{"Label15", "Clicks:", ToRect(240, 2700, 705, 240), calc::Box::Clicks},
    RowHeading{"Label11", "CTR (%):", ToRect(240, 3240, 1005, 240), calc::Box::CTR},
    RowHeading{"Label2", "eCPM ($):", ToRect(240, 3840, 1080, 240), calc::Box::ECPM},
};

struct StepOption {
    const char* caption;
    QRect geometry;
};
constexpr std::array kStepOptions = {
    StepOption{"100", ToRect(240, 1800, 645, 300)},
    StepOption{"250", ToRect(240, 2160, 630, 300)},
    StepOption{"500", ToRect(960, 1830, 705, 225)},
    StepOption{"1000", ToRect(960, 2160, 720, 300)},
};
constexpr int kFirstStepOptionTabIndex = 14;

std::size_t IndexOf(calc::Box box) {
    return static_cast<std::size_t>(box);
}
std::size_t IndexOf(calc::Caption caption) {
    return static_cast<std::size_t>(caption);
}

// A frame without a caption: an etched border around a white field. Screen readers know it
// as the column under its heading.
QFrame* AddFrame(QWidget& sheet, const char* name, const QRect& geometry, const QFont& font,
                 const char* heading) {
    auto* frame = new QFrame(&sheet);
    frame->setAccessibleName(QString::fromLatin1(heading));
    widgets::SetAccessibleRole(*frame, QAccessible::Grouping);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setFont(font);
    widgets::design::SetBackground(*frame, Qt::white);
    return frame;
}

// Shows the figure, and names it for screen readers with the heading of its row: the rows of
// the three columns do not line up, and a reader going over the window line by line would
// otherwise find a figure beside another column's heading.
void ShowFigure(widgets::FittingLabel& figure, const QLabel& heading, const QString& caption) {
    figure.showCaption(caption);
    figure.setAccessibleName(heading.text() + QLatin1Char(' ') + caption);
}

widgets::FittingLabel* AddFigureLabel(QWidget& frame, const FigureLabel& figure, QColor colour,
                                      const QLabel& heading) {
    const calc::Result& result = calc::ResultOf(figure.caption);
    auto* label = new widgets::FittingLabel(BoldFont(), &frame);
    label->setObjectName(QString::fromLatin1(result.labelName));
    label->move(figure.geometry.topLeft());
    widgets::design::SetTextColour(*label, colour);
    label->setAccessibleDescription(QString::fromLatin1(result.description));
    label->setHelpTip(
        QString::fromLatin1(result.description) +
        QStringLiteral(".\nRight-click to copy it; Ctrl+Shift+C copies all figures."));
    ShowFigure(*label, heading, QString::fromLatin1(result.startCaption));
    return label;
}

} // namespace

CalculatorPage::CalculatorPage(QWidget& sheet, QWidget& window, calc::MessageService& messages) {
    // Labels and option buttons of this tab use the platform's text colour unless the design
    // gives them another one.
    widgets::design::SetTextColour(sheet, widgets::design::DefaultTextColour());
    createHeadings(sheet);
    createStepChoice(sheet);
    boxes_ = createTypedFigures(sheet);
    bindBoxes(boxes_, window, messages);
    createActualFigures(sheet);
    createEarnings(sheet);
    createButtons(sheet);
}

CalculatorPage::~CalculatorPage() = default;

void CalculatorPage::createHeadings(QWidget& sheet) {
    const struct {
        const char* name;
        const char* caption;
        QRect geometry;
    } columnHeadings[] = {
        {"Label6", "Unadjusted", ToRect(2280, 840, 1725, 240)},
        {"Label5", "Actual Numbers", ToRect(4680, 840, 1815, 240)},
        {"Label9", "Earnings", ToRect(7665, 840, 975, 240)},
    };
    for (const auto& heading : columnHeadings) {
        QLabel* label =
            widgets::design::AddLabel(sheet, heading.name, QString::fromLatin1(heading.caption),
                                      heading.geometry, BoldFont());
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        widgets::design::SetTextColour(*label, kBlack);
    }
    sheet.findChild<QLabel*>(QStringLiteral("Label9"))->adjustSize();

    for (const RowHeading& heading : kRowHeadings)
        widgets::design::AddLabel(sheet, heading.name, QString::fromLatin1(heading.caption),
                                  heading.geometry, BoldFont())
            ->adjustSize();
}

void CalculatorPage::createStepChoice(QWidget& sheet) {
    QLabel* increaseBy = widgets::design::AddLabel(sheet, "Label7", QStringLiteral("Increase By:"),
                                                   ToRect(240, 1560, 1110, 195), WindowFont());
    widgets::design::SetBackground(*increaseBy, kStepChoiceBackground);
    increaseBy->adjustSize();

    // The four choices stand in a see-through box of their own that screen readers name
    // after the heading above them.
    QRect around;
    for (const StepOption& option : kStepOptions)
        around |= option.geometry;
    auto* choices = new QWidget(&sheet);
    choices->setGeometry(around);
    choices->setAccessibleName(QStringLiteral("Increase By"));
    widgets::SetAccessibleRole(*choices, QAccessible::Grouping);

    // The option array optIncrement: one name, told apart by the index property.
    auto* group = new QButtonGroup(&sheet);
    for (std::size_t index = 0; index < kStepOptions.size(); ++index) {
        auto* option = new QRadioButton(QString::fromLatin1(kStepOptions[index].caption), choices);
        option->setObjectName(QStringLiteral("optIncrement"));
        option->setProperty("index", static_cast<int>(index));
        option->setGeometry(kStepOptions[index].geometry.translated(-around.topLeft()));
        option->setFont(WindowFont());
        widgets::design::SetBackground(*option, Qt::white);
        group->addButton(option, static_cast<int>(index));
        tabStops_.push_back({kFirstStepOptionTabIndex + static_cast<int>(index), option});
    }
    group->button(0)->setChecked(true);
    connect(group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            calculator_->optIncrement_Click(static_cast<std::int16_t>(index));
    });
}

std::array<QLineEdit*, calc::kAllBoxes.size()> CalculatorPage::createTypedFigures(QWidget& sheet) {
    QFrame* frame =
        AddFrame(sheet, "fmContainer1", ToRect(1920, 1080, 2415, 3375),
                 widgets::DesignFont(widgets::kVerdana, 8.25, QFont::Bold), "Unadjusted");
    widgets::design::SetTextColour(*frame, kFrameText);

    std::array<QLineEdit*, calc::kAllBoxes.size()> edits{};
    for (const TypedFigure& figure : kTypedFigures) {
        auto* edit = new QLineEdit(QString::fromLatin1(calc::StartText(figure.box)), frame);
        edit->setObjectName(QString::fromLatin1(calc::BoxName(figure.box)));
        edit->setGeometry(figure.text);
        edit->setFont(BoldFont());
        edits[IndexOf(figure.box)] = edit;
        tabStops_.push_back({kBoxTabIndex[IndexOf(figure.box)], edit});
    }
    // Qt looks for a box's buddy label among the box's siblings only; these headings stand
    // outside the box's frame, so the box also carries the heading as its name.
    for (const RowHeading& heading : kRowHeadings) {
        QLineEdit* edit = edits[IndexOf(heading.box)];
        sheet.findChild<QLabel*>(QString::fromLatin1(heading.name))->setBuddy(edit);
        edit->setAccessibleName(QString::fromLatin1(heading.caption));
    }
    // The tenths box has no heading of its own.
    edits[IndexOf(calc::Box::Dec)]->setAccessibleName(QStringLiteral("CTR tenths:"));

    QLabel* point = widgets::design::AddLabel(
        *frame, "Label10", QStringLiteral("."), ToRect(1200, 2160, 90, 360),
        widgets::DesignFont(widgets::kArial, 15.75, QFont::Bold));
    widgets::design::SetTextColour(*point, widgets::design::DefaultTextColour());
    point->adjustSize();
    return edits;
}

void CalculatorPage::bindBoxes(const std::array<QLineEdit*, calc::kAllBoxes.size()>& edits,
                               QWidget& window, calc::MessageService& messages) {
    calc::Calculator::Boxes boxes;
    for (const calc::Box box : calc::kAllBoxes) {
        QLineEdit& edit = *edits[IndexOf(box)];
        // While the calculator handles an edit, the box's caret and selection news wait: a
        // reader asks for the selection only later, and would tell the whole text that a
        // warning selects as if the user had selected it. The handling lies between these
        // two connections.
        connect(&edit, &QLineEdit::textChanged, this, [this, &edit] {
            handlingQuiet_.push_back(std::make_unique<widgets::QuietText>(edit));
        });
        boxes[IndexOf(box)] = std::make_unique<bind::LineEditBox>(edit, calc::TypingLimit(box));
        connect(&edit, &QLineEdit::textChanged, this, [this, &edit] {
            handlingQuiet_.pop_back();
            // Where the caret ended, for readers that follow it; a selection left by a
            // warning is told when the warning closes.
            if (handlingQuiet_.empty() && !edit.hasSelectedText()) {
                QAccessibleTextCursorEvent caret(&edit, edit.cursorPosition());
                QAccessible::updateAccessibility(&caret);
            }
        });
    }
    calculator_ = std::make_unique<calc::Calculator>(std::move(boxes), messages);
    calculator_->setCaptionObserver(
        [this](calc::Caption caption, const std::string& text) { showCaption(caption, text); });

    focusGuard_ = std::make_unique<widgets::FocusGuard>(window);
    for (const TypedFigure& figure : kTypedFigures) {
        QLineEdit& edit = *edits[IndexOf(figure.box)];
        const calc::Box box = figure.box;
        focusGuard_->addBox(
            edit,
            [this, box, &edit] {
                // The box is read with its selection once readers hear it has the focus.
                widgets::QuietUntilFocused(edit);
                calculator_->GotFocus(box);
            },
            [this, box] { return calculator_->Validate(box); });
        edit.installEventFilter(this);
        widgets::QuietWhileUnfocused(edit);
        edit.setAccessibleDescription(QString::fromLatin1(kFiguresKeys));
        edit.setToolTip(
            QStringLiteral("%1: up to %2 characters. Up and Down step it.\n%3; Ctrl+Shift+C "
                           "copies all figures.\n%4: plan a goal.")
                .arg(QString::fromLatin1(figure.figure))
                .arg(calc::TypingLimit(box))
                .arg(QString::fromLatin1(kFiguresKeysShown),
                     FigureCopy::kPlanKeys.toString(QKeySequence::NativeText)));

        auto* arrows = new bind::SpinArrows(
            calculator_->spinButton(box), QString::fromLatin1(figure.figure), edit.parentWidget());
        arrows->setObjectName(QString::fromLatin1(figure.arrowsName));
        arrows->setGeometry(figure.arrows);
        arrows->takeArrowKeysOf(edit);
        new bind::WheelSteps(edit, *arrows);
        // Below the box it overlaps, as the design draws them.
        arrows->stackUnder(&edit);
        tabStops_.push_back({kArrowsTabIndex[IndexOf(box)], arrows});
    }
}

// Back from a warning, the box holds its text selected; readers read the box without the
// selection, and the next key would type over it unawares.
bool CalculatorPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        leftForMessage_ = bind::MessageBoxService::IsOpen();
    if (event->type() != QEvent::FocusIn ||
        static_cast<const QFocusEvent&>(*event).reason() != Qt::ActiveWindowFocusReason ||
        !std::exchange(leftForMessage_, false))
        return false;
    QPointer<QLineEdit> edit = static_cast<QLineEdit*>(watched);
    // Told once the reader has read the box.
    QTimer::singleShot(0, this, [edit] {
        if (edit && edit->hasFocus() && edit->hasSelectedText() &&
            edit->selectedText() == edit->text())
            widgets::Announce(*edit->window(), edit->text() + QStringLiteral(" selected"));
    });
    return false;
}

void CalculatorPage::createActualFigures(QWidget& sheet) {
    QFrame* frame =
        AddFrame(sheet, "fmContainer2", ToRect(4440, 1080, 2415, 3375),
                 widgets::DesignFont(widgets::kVerdana, 8.25, QFont::Bold), "Actual Numbers");
    widgets::design::SetTextColour(*frame, kFrameText);
    // Each figure of this column stands in the row of the heading at the left.
    static_assert(kActualFigures.size() == kRowHeadings.size());
    for (std::size_t row = 0; row < kActualFigures.size(); ++row) {
        const FigureLabel& figure = kActualFigures[row];
        auto* heading = sheet.findChild<QLabel*>(QString::fromLatin1(kRowHeadings[row].name));
        figureCaptions_[IndexOf(figure.caption)] = heading;
        figureLabels_[IndexOf(figure.caption)] =
            AddFigureLabel(*frame, figure, kActualRed, *heading);
    }
}

void CalculatorPage::createEarnings(QWidget& sheet) {
    QFrame* frame =
        AddFrame(sheet, "fraEarnings", ToRect(6960, 1080, 2445, 3375), WindowFont(), "Earnings");
    for (const EarningsRow& row : kEarningsRows) {
        QLabel* heading =
            widgets::design::AddLabel(*frame, row.headingName, QString::fromLatin1(row.heading),
                                      row.headingGeometry, BoldFont());
        heading->adjustSize();
        figureCaptions_[IndexOf(row.figure.caption)] = heading;
        figureLabels_[IndexOf(row.figure.caption)] =
            AddFigureLabel(*frame, row.figure, kEarningsGreen, *heading);
    }
}

void CalculatorPage::createButtons(QWidget& sheet) {
    const auto addButton = [&sheet](const char* name, const char* caption, const QRect& geometry) {
        auto* button = new QPushButton(QString::fromLatin1(caption), &sheet);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(geometry);
        button->setFont(BoldFont());
        widgets::PressOnEnter(*button);
        return button;
    };
    QPushButton* reset = addButton("cmdReset", "Reset", ToRect(240, 4560, 1200, 350));
    cmdAbout_ = addButton("cmdAbout", "About...", ToRect(6990, 4560, 1200, 350));
    cmdQuit_ = addButton("cmdQuit", "Quit", ToRect(8205, 4560, 1200, 350));
    connect(reset, &QPushButton::clicked, this, [this, reset] {
        calculator_->cmdReset_Click();
        // The figures change out of the focus's sight: a reader would say nothing.
        widgets::Announce(*reset->window(), QStringLiteral("Figures reset"));
    });
    tabStops_.push_back({47, reset});
    tabStops_.push_back({48, cmdAbout_});
    tabStops_.push_back({49, cmdQuit_});
}

std::vector<CalculatorPage::NamedBox> CalculatorPage::typedFigures() const {
    std::vector<NamedBox> result;
    for (const TypedFigure& figure : kTypedFigures)
        result.push_back({QString::fromLatin1(figure.figure), boxes_[IndexOf(figure.box)],
                          figureLabels_[IndexOf(figure.actual)]});
    return result;
}

std::vector<CalculatorPage::CaptionedFigure> CalculatorPage::actualNumbers() const {
    std::vector<CaptionedFigure> result;
    for (const FigureLabel& figure : kActualFigures)
        result.push_back(
            {figureCaptions_[IndexOf(figure.caption)], figureLabels_[IndexOf(figure.caption)]});
    return result;
}

std::vector<CalculatorPage::CaptionedFigure> CalculatorPage::earnings() const {
    std::vector<CaptionedFigure> result;
    for (const EarningsRow& row : kEarningsRows)
        result.push_back({figureCaptions_[IndexOf(row.figure.caption)],
                          figureLabels_[IndexOf(row.figure.caption)]});
    return result;
}

void CalculatorPage::showCaption(calc::Caption caption, const std::string& text) {
    ShowFigure(*figureLabels_[IndexOf(caption)], *figureCaptions_[IndexOf(caption)],
               QString::fromStdString(text));
}

} // namespace mainwindow
