// SPDX-License-Identifier: MIT
#include "calc/calculator.h"

#include "calc/click_tie.h"
#include "calc/conversions.h"
#include "calc/earnings.h"
#include "calc/input_check.h"
#include "calc/memory_input_box.h"
#include "calc/utf8.h"
#include "calc/worked_figures.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace calc {
namespace {

constexpr const char* kNumbersOnly = "No Letters or Special Characters. Numbers Only.";
constexpr const char* kNoDecimalPointsInCTR =
    "Do not add decimal points (periods) to any of the CTR fields.";
constexpr const char* kNoImpressions = "Must enter at least 1 Impression";
constexpr const char* kNoDollarAmount = "You must enter a US Dollar amount";
constexpr const char* kZeroDollars = "$0.00";

constexpr std::array kIncrementSteps = {100, 250, 500, 1000};

// What focus leaving an empty box does.
struct Refill {
    const char* reportName;
    const char* warning; // none for the clicks and the CTR
    const char* text;
    bool selectAll;
};

// Where a box's arrows start and stop. They step by 1, the impressions' by the chosen
// increment.
struct SpinRange {
    std::int32_t value;
    std::int32_t minimum;
    std::int32_t maximum;
};

// Everything the calculator knows of one box.
struct BoxSetup {
    Box box;
    const char* name;
    int typingLimit;
    const char* startText;
    void (Calculator::*change)();
    SpinRange spin;
    Refill refill;
};
constexpr std::array kBoxSetups = {
    BoxSetup{Box::Impressions, "txtPresentImpressions", 7, "100",
             &Calculator::txtPresentImpressions_Change, SpinRange{100, 1, 1000000},
             Refill{"txtPresentImpressions_Validate", kNoImpressions, "100", true}},
    BoxSetup{Box::Clicks, "txtPresentClicks", 5, "0", &Calculator::txtPresentClicks_Change,
             SpinRange{0, 0, 100000}, Refill{"txtPresentClicks_Validate", nullptr, "0", false}},
    BoxSetup{Box::CTR, "txtPresentCTR", 3, "0", &Calculator::txtPresentCTR_Change,
             SpinRange{0, 0, 100}, Refill{"txtPresentCTR_Validate", nullptr, "0", false}},
    // Refilled with two zeros, although one can be typed.
    BoxSetup{Box::Dec, "txtDec", 1, "0", &Calculator::txtDec_Change, SpinRange{0, 0, 9},
             Refill{"txtDec_Validate", nullptr, "00", false}},
    BoxSetup{Box::ECPM, "txtECPM", 7, "0", &Calculator::txtECPM_Change, SpinRange{1, 0, 10000},
             Refill{"txtECPM_Validate", kNoDollarAmount, "0", true}},
};
static_assert([] {
    for (std::size_t i = 0; i < kAllBoxes.size(); ++i) {
        if (kBoxSetups[i].box != kAllBoxes[i])
            return false;
    }
    return kBoxSetups.size() == kAllBoxes.size();
}());

std::size_t IndexOf(Box box) {
    return static_cast<std::size_t>(box);
}
std::size_t IndexOf(Caption caption) {
    return static_cast<std::size_t>(caption);
}

const BoxSetup& SetupOf(Box box) {
    return kBoxSetups[IndexOf(box)];
}

// The CTR carried between edits is the percentage the label shows.
std::string_view WithoutPercentSign(std::string_view caption) {
    if (caption.ends_with('%'))
        caption.remove_suffix(1);
    return caption;
}

template <std::size_t... I>
std::array<SpinButton, sizeof...(I)> MakeSpinButtons(const Calculator& calculator,
                                                     const unsigned& messagesShown,
                                                     std::index_sequence<I...>) {
    return {SpinButton(calculator.box(kBoxSetups[I].box), messagesShown, kBoxSetups[I].spin.value,
                       kBoxSetups[I].spin.minimum, kBoxSetups[I].spin.maximum,
                       kBoxSetups[I].box == Box::Impressions ? kIncrementSteps[0] : 1)...};
}

} // namespace

const char* BoxName(Box box) {
    return SetupOf(box).name;
}

int TypingLimit(Box box) {
    return SetupOf(box).typingLimit;
}

const char* StartText(Box box) {
    return SetupOf(box).startText;
}

Calculator::Calculator(Boxes boxes, MessageService& messages)
    : boxes_(std::move(boxes)), messages_(messages),
      spinButtons_(
          MakeSpinButtons(*this, messagesShown_, std::make_index_sequence<kBoxSetups.size()>())) {
    for (const Result& result : kResults)
        captions_[IndexOf(result.caption)] = result.startCaption;
    for (const BoxSetup& setup : kBoxSetups)
        box(setup.box).setChangeHandler([this, change = setup.change] { (this->*change)(); });
}

std::unique_ptr<Calculator> Calculator::Headless(MessageService& messages) {
    Boxes boxes;
    for (const BoxSetup& setup : kBoxSetups) {
        boxes[IndexOf(setup.box)] =
            std::make_unique<MemoryInputBox>(setup.name, setup.typingLimit, setup.startText);
    }
    return std::make_unique<Calculator>(std::move(boxes), messages);
}

// ---- Error report ----------------------------------------------------------------------

template <typename Body> void Calculator::trapped(const char* reportName, Body&& body) {
    try {
        body();
    } catch (const CalcError& error) {
        report(reportName, error);
    }
}

template <typename Body> bool Calculator::trappedValidate(const char* reportName, Body&& body) {
    bool keepFocus = false;
    trapped(reportName, [&] { keepFocus = body(); });
    return keepFocus;
}

void Calculator::warn(const std::string& text) {
    ++messagesShown_;
    messages_.show(text, MessageIcon::Warning, kApplicationTitle);
}

void Calculator::report(const char* reportName, const CalcError& error) {
    ++messagesShown_;
    messages_.showErrorReport(reportName, error);
}

void Calculator::setCaption(Caption which, std::string text) {
    std::string& caption = captions_[IndexOf(which)];
    if (caption == text)
        return;
    caption = std::move(text);
    if (captionObserver_)
        captionObserver_(which, caption);
}

// ---- Change head and character check ---------------------------------------------------

void Calculator::ChangeHead(Box which) {
    InputBox& changed = box(which);
    changed.setText(WithoutBlanks(changed.text()));
    ValidateChrlnBox(changed.text(), which);
}

void Calculator::ValidateChrlnBox(const std::string& text, Box which) {
    trapped("ValidateChrlnBox", [&] {
        const InputCheck check = CheckInput(which, text);
        if (check.emptied) {
            box(which).setText("");
            return;
        }
        if (check.length > std::numeric_limits<std::int16_t>::max())
            raiseOverflow();
        if (check.rejectedAt > 0) {
            state_.intCharPos = static_cast<std::int16_t>(check.rejectedAt);
            state_.strCurChar = check.rejected;
            box(which).setSelection(0, check.length);
            warn(kNumbersOnly);
            return;
        }
        state_.intCharPos = static_cast<std::int16_t>(check.length + 1);
        state_.strCurChar.clear();
    });
}

// ---- Impressions, CTR and clicks -------------------------------------------------------

void Calculator::txtPresentImpressions_Change() {
    trapped("txtPresentImpressions_Change", [&] {
        InputBox& impressions = box(Box::Impressions);
        ChangeHead(Box::Impressions);

        const double typed = LeadingValue(impressions.text());
        const double ctr =
            checked(LeadingValue(WithoutPercentSign(caption(Caption::ProjectedCTR))) / 100);
        const WorkedFigures worked({typed, ctr}, state_.curECPM);

        state_.dblImpressions = worked.impressions();
        setCaption(Caption::ActualImpressions, worked.caption(Caption::ActualImpressions));

        state_.dblProjectedCTR = worked.ctr();
        setCaption(Caption::ProjectedCTR, worked.caption(Caption::ProjectedCTR));

        state_.dblProjectedClicks = worked.clicks();
        setCaption(Caption::ProjectedClicks, worked.caption(Caption::ProjectedClicks));

        RefreshEarnings(worked, RefreshForm::Keeping);
    });
}

Calculator::ImpressionsRead Calculator::ReadImpressions() const {
    try {
        return {LeadingValue(box(Box::Impressions).text()), std::nullopt};
    } catch (const CalcError& error) {
        return {0, error};
    }
}

void Calculator::txtPresentClicks_Change() {
    trapped("txtPresentClicks_Change", [&] {
        InputBox& clicks = box(Box::Clicks);
        ChangeHead(Box::Clicks);

        state_.dblPresentClicks = LeadingValue(clicks.text());
        const ImpressionsRead impressions = ReadImpressions();
        const WorkedFigures worked(
            {impressions.value, 0, state_.dblPresentClicks, ClicksFrom::Typed}, state_.curECPM);
        state_.dblProjectedClicks = worked.clicks();
        setCaption(Caption::ProjectedClicks, worked.caption(Caption::ProjectedClicks));

        if (impressions.overflow)
            throw *impressions.overflow;
        state_.dblImpressions = worked.impressions();
        state_.dblProjectedCTR = worked.ctr();
        setCaption(Caption::ProjectedCTR, worked.caption(Caption::ProjectedCTR));

        RefreshEarnings(worked, RefreshForm::Zeroing);
    });
}

void Calculator::txtPresentCTR_Change() {
    try {
        InputBox& ctr = box(Box::CTR);
        InputBox& tenths = box(Box::Dec);
        ChangeHead(Box::CTR);

        if (WholePercentAboveLimit(ctr.text()))
            ctr.setText("100");
        if (TenthsAboveLimit(ctr.text(), tenths.text()))
            tenths.setText("0");

        state_.dblPresentCTR = CtrOfBoxes(ctr.text(), tenths.text());
        const ImpressionsRead impressions = ReadImpressions();
        const WorkedFigures worked({impressions.value, state_.dblPresentCTR}, state_.curECPM);

        state_.dblProjectedCTR = worked.ctr();
        setCaption(Caption::ProjectedCTR, worked.caption(Caption::ProjectedCTR));

        if (impressions.overflow)
            throw *impressions.overflow;
        state_.dblImpressions = worked.impressions();
        state_.dblProjectedClicks = worked.clicks();
        setCaption(Caption::ProjectedClicks, worked.caption(Caption::ProjectedClicks));

        RefreshEarnings(worked, RefreshForm::Zeroing);
    } catch (const CalcError& error) {
        if (error.kind() == ErrorKind::TypeMismatch)
            warn(kNoDecimalPointsInCTR);
        else
            report("txtPresentCTR_Change", error);
    }
}

// ---- Tenths and step choice ------------------------------------------------------------

void Calculator::txtDec_Change() {
    trapped("txtDec_Change", [&] {
        ChangeHead(Box::Dec);
        // Called as such, not by a write, so the CTR is composed again although its own
        // box has not changed.
        txtPresentCTR_Change();
    });
}

void Calculator::optIncrement_Click(std::int16_t index) {
    if (index < 0 || index >= static_cast<std::int16_t>(kIncrementSteps.size()))
        return;
    spinButton(Box::Impressions).setStep(kIncrementSteps[static_cast<std::size_t>(index)]);
}

// ---- eCPM and earnings -----------------------------------------------------------------

void Calculator::txtECPM_Change() {
    trapped("txtECPM_Change", [&] {
        InputBox& ecpm = box(Box::ECPM);
        ChangeHead(Box::ECPM);

        state_.curECPM = ToFixedPoint(LeadingValue(ecpm.text()));
        const WorkedFigures worked({state_.dblImpressions, state_.dblProjectedCTR,
                                    state_.dblProjectedClicks, ClicksFrom::Carried},
                                   state_.curECPM);
        setCaption(Caption::ECPM, worked.caption(Caption::ECPM));

        RefreshEarnings(worked, RefreshForm::Keeping);
    });
}

void Calculator::RefreshEarnings(const WorkedFigures& worked, RefreshForm form) {
    const std::optional<Amounts>& amounts = worked.earnings();
    if (!amounts) {
        if (form == RefreshForm::Zeroing) {
            for (const Caption caption : kEarningsCaptions)
                setCaption(caption, kZeroDollars);
        }
        return;
    }

    const auto amount = [&](Period period) {
        return (*amounts)[static_cast<std::size_t>(period)];
    };
    state_.curDailyEarnings = amount(Period::Day);
    state_.curWeeklyEarnings = amount(Period::Week);
    state_.curMonthlyEarnings = amount(Period::Month);
    state_.curYearlyEarnings = amount(Period::Year);

    // All four amounts are worked out before any label is written, so an overflow among them
    // leaves the labels as they were.
    for (const Period period : kAllPeriods)
        setCaption(EarningsCaption(period), worked.caption(EarningsCaption(period)));
    state_.curEPC = worked.epc();
    setCaption(Caption::EPC, worked.caption(Caption::EPC));
}

// ---- Focus -----------------------------------------------------------------------------

void Calculator::SelectAllInBox(InputBox& box) {
    box.setSelection(0, CharacterCount(box.text()));
}

void Calculator::GotFocus(Box which) {
    SelectAllInBox(box(which));
}
void Calculator::txtPresentImpressions_GotFocus() {
    GotFocus(Box::Impressions);
}
void Calculator::txtPresentClicks_GotFocus() {
    GotFocus(Box::Clicks);
}
void Calculator::txtPresentCTR_GotFocus() {
    GotFocus(Box::CTR);
}
void Calculator::txtDec_GotFocus() {
    GotFocus(Box::Dec);
}
void Calculator::txtECPM_GotFocus() {
    GotFocus(Box::ECPM);
}

bool Calculator::Validate(Box which) {
    const Refill& refill = SetupOf(which).refill;
    return trappedValidate(refill.reportName, [&] {
        InputBox& left = box(which);
        if (!left.text().empty())
            return false;
        if (refill.warning)
            warn(refill.warning);
        left.setText(refill.text);
        if (refill.selectAll)
            SelectAllInBox(left);
        return true;
    });
}
bool Calculator::txtPresentImpressions_Validate() {
    return Validate(Box::Impressions);
}
bool Calculator::txtPresentClicks_Validate() {
    return Validate(Box::Clicks);
}
bool Calculator::txtPresentCTR_Validate() {
    return Validate(Box::CTR);
}
bool Calculator::txtDec_Validate() {
    return Validate(Box::Dec);
}
bool Calculator::txtECPM_Validate() {
    return Validate(Box::ECPM);
}

// ---- Reset -----------------------------------------------------------------------------

void Calculator::cmdReset_Click() {
    // Order matters: each recalculation sees the boxes before it with their new texts.
    for (const Box which : kAllBoxes)
        box(which).setText(StartText(which));
    for (const Caption caption : kEarningsCaptions)
        setCaption(caption, kZeroDollars);
}

} // namespace calc
