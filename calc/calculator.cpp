// SPDX-License-Identifier: MIT
#include "calculator.h"

#include "conversions.h"
#include "input_check.h"
#include "memory_input_box.h"
#include "utf8.h"

#include <algorithm>
#include <limits>

namespace calc {
namespace {

constexpr const char* kNumbersOnly = "No Letters or Special Characters. Numbers Only.";
constexpr const char* kNoDecimalPointsInCTR =
    "Do not add decimal points (periods) to any of the CTR fields.";
constexpr const char* kNoImpressions = "Must enter at least 1 Impression";
constexpr const char* kNoDollarAmount = "You must enter a US Dollar amount";
constexpr const char* kZeroDollars = "$0.00";

constexpr std::array kIncrementSteps = {100, 250, 500, 1000};

// What focus leaving an empty box does, in the order of the boxes.
struct Refill {
    const char* reportName;
    const char* warning; // none for the clicks and the CTR
    const char* text;
    bool selectAll;
};
constexpr std::array kRefills = {
    Refill{"txtPresentImpressions_Validate", kNoImpressions, "100", true},
    Refill{"txtPresentClicks_Validate", nullptr, "0", false},
    Refill{"txtPresentCTR_Validate", nullptr, "0", false},
    Refill{"txtDec_Validate", nullptr, "00", false}, // two zeros, although one can be typed
    Refill{"txtECPM_Validate", kNoDollarAmount, "0", true},
};
static_assert(kRefills.size() == kAllBoxes.size());

std::size_t IndexOf(Box box) {
    return static_cast<std::size_t>(box);
}
std::size_t IndexOf(Caption caption) {
    return static_cast<std::size_t>(caption);
}

// The CTR carried between edits is the percentage the label shows.
std::string WithoutPercentSign(std::string caption) {
    if (caption.ends_with('%'))
        caption.pop_back();
    return caption;
}

} // namespace

const char* BoxName(Box box) {
    constexpr std::array names = {"txtPresentImpressions", "txtPresentClicks", "txtPresentCTR",
                                  "txtDec", "txtECPM"};
    return names[IndexOf(box)];
}

const char* CaptionName(Caption caption) {
    constexpr std::array names = {"lblActualImpressions",
                                  "lblProjectedClicks",
                                  "lblProjectedCTR",
                                  "lblECPM",
                                  "lblDailyEarnings",
                                  "lblWeeklyEarnings",
                                  "lblMonthlyEarnings",
                                  "lblYearlyEarnings",
                                  "lblEPC"};
    return names[IndexOf(caption)];
}

int TypingLimit(Box box) {
    constexpr std::array limits = {7, 5, 3, 1, 7};
    return limits[IndexOf(box)];
}

const char* StartText(Box box) {
    return box == Box::Impressions ? "100" : "0";
}

const char* StartCaption(Caption caption) {
    switch (caption) {
    case Caption::ActualImpressions:
        return "100";
    case Caption::ProjectedClicks:
        return "0";
    case Caption::ProjectedCTR:
        return "0.0%";
    default:
        return kZeroDollars;
    }
}

Calculator::Calculator(Boxes boxes, MessageService& messages)
    : boxes_(std::move(boxes)),
      messages_(messages), spinButtons_{SpinButton(box(Box::Impressions), 100, 1, 1000000,
                                                   kIncrementSteps[0]),
                                        SpinButton(box(Box::Clicks), 0, 0, 100000, 1),
                                        SpinButton(box(Box::CTR), 0, 0, 100, 1),
                                        SpinButton(box(Box::Dec), 0, 0, 9, 1),
                                        SpinButton(box(Box::ECPM), 1, 0, 10000, 1)} {
    for (const Caption caption : kAllCaptions)
        captions_[IndexOf(caption)] = StartCaption(caption);
    box(Box::Impressions).setChangeHandler([this] { txtPresentImpressions_Change(); });
    box(Box::Clicks).setChangeHandler([this] { txtPresentClicks_Change(); });
    box(Box::CTR).setChangeHandler([this] { txtPresentCTR_Change(); });
    box(Box::Dec).setChangeHandler([this] { txtDec_Change(); });
    box(Box::ECPM).setChangeHandler([this] { txtECPM_Change(); });
}

std::unique_ptr<Calculator> Calculator::Headless(MessageService& messages) {
    Boxes boxes;
    for (const Box which : kAllBoxes) {
        boxes[IndexOf(which)] =
            std::make_unique<MemoryInputBox>(BoxName(which), TypingLimit(which), StartText(which));
    }
    return std::make_unique<Calculator>(std::move(boxes), messages);
}

// ---- Error report ----------------------------------------------------------------------

template <typename Body> void Calculator::trapped(const char* reportName, Body&& body) {
    try {
        body();
    } catch (const CalcError& error) {
        messages_.showErrorReport(reportName, error);
    }
}

template <typename Body> bool Calculator::trappedValidate(const char* reportName, Body&& body) {
    bool keepFocus = false;
    trapped(reportName, [&] { keepFocus = body(); });
    return keepFocus;
}

void Calculator::warn(const std::string& text) {
    messages_.show(text, MessageIcon::Warning, kApplicationTitle);
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

        state_.dblImpressions = LeadingValue(impressions.text());
        setCaption(Caption::ActualImpressions, PlainNumberText(state_.dblImpressions));

        state_.dblProjectedCTR =
            checked(LeadingValue(WithoutPercentSign(caption(Caption::ProjectedCTR))) / 100);
        setCaption(Caption::ProjectedCTR, CaptionText(state_.dblProjectedCTR, Pattern::Percent));

        state_.dblProjectedClicks = checked(state_.dblImpressions * state_.dblProjectedCTR);
        setCaption(Caption::ProjectedClicks,
                   CaptionText(state_.dblProjectedClicks, Pattern::Clicks));

        RefreshEarnings(RefreshForm::Keeping);
    });
}

void Calculator::txtPresentClicks_Change() {
    trapped("txtPresentClicks_Change", [&] {
        InputBox& clicks = box(Box::Clicks);
        ChangeHead(Box::Clicks);

        state_.dblPresentClicks = LeadingValue(clicks.text());
        // The clicks used from here on are the typed clicks as shown, to one decimal.
        const std::string shownClicks = CaptionText(state_.dblPresentClicks, Pattern::Clicks);
        state_.dblProjectedClicks = LeadingValue(shownClicks);
        setCaption(Caption::ProjectedClicks, shownClicks);

        state_.dblImpressions = LeadingValue(box(Box::Impressions).text());
        state_.dblProjectedCTR = state_.dblImpressions != 0
                                     ? divide(state_.dblProjectedClicks, state_.dblImpressions)
                                     : 0;
        setCaption(Caption::ProjectedCTR, CaptionText(state_.dblProjectedCTR, Pattern::Percent));

        RefreshEarnings(RefreshForm::Zeroing);
    });
}

void Calculator::txtPresentCTR_Change() {
    try {
        InputBox& ctr = box(Box::CTR);
        InputBox& tenths = box(Box::Dec);
        ChangeHead(Box::CTR);

        if (WholePercentAboveLimit(ctr.text()))
            ctr.setText("100");
        // The tenths are read only at the limit: this runs on every keystroke.
        if (WholePercentAtLimit(ctr.text()) && TenthsAboveLimit(ctr.text(), tenths.text()))
            tenths.setText("0");

        // A point typed into the whole-percent box gives two points here: a type mismatch.
        const std::string joined = PlainNumberText(LeadingValue(ctr.text())) + "." +
                                   PlainNumberText(LeadingValue(tenths.text()));
        state_.dblPresentCTR = checked(StrictValue(joined) / 100);

        state_.dblProjectedCTR = state_.dblPresentCTR;
        setCaption(Caption::ProjectedCTR,
                   CaptionText(PlainNumberText(state_.dblPresentCTR), Pattern::PercentOfText));

        state_.dblImpressions = LeadingValue(box(Box::Impressions).text());
        state_.dblProjectedClicks = checked(state_.dblImpressions * state_.dblProjectedCTR);
        setCaption(Caption::ProjectedClicks,
                   CaptionText(state_.dblProjectedClicks, Pattern::Clicks));

        RefreshEarnings(RefreshForm::Zeroing);
    } catch (const CalcError& error) {
        if (error.kind() == ErrorKind::TypeMismatch)
            warn(kNoDecimalPointsInCTR);
        else
            messages_.showErrorReport("txtPresentCTR_Change", error);
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
    selectedIncrement_ = index;
    spinButton(Box::Impressions).setStep(kIncrementSteps[static_cast<std::size_t>(index)]);
}

// ---- eCPM and earnings -----------------------------------------------------------------

void Calculator::txtECPM_Change() {
    trapped("txtECPM_Change", [&] {
        InputBox& ecpm = box(Box::ECPM);
        ChangeHead(Box::ECPM);

        state_.curECPM = ToFixedPoint(LeadingValue(ecpm.text()));
        setCaption(Caption::ECPM, CaptionText(state_.curECPM, Pattern::ECPM));

        RefreshEarnings(RefreshForm::Keeping);
    });
}

void Calculator::RefreshEarnings(RefreshForm form) {
    constexpr std::array kEarningsCaptions = {Caption::DailyEarnings, Caption::WeeklyEarnings,
                                              Caption::MonthlyEarnings, Caption::YearlyEarnings,
                                              Caption::EPC};
    if (state_.dblProjectedClicks == 0) {
        if (form == RefreshForm::Zeroing) {
            for (const Caption caption : kEarningsCaptions)
                setCaption(caption, kZeroDollars);
        }
        return;
    }

    // Each amount afresh from eCPM and impressions, never from the rounded daily amount.
    const double perDay = checked(state_.curECPM.toDouble() * (state_.dblImpressions / 1000));
    state_.curDailyEarnings = ToFixedPoint(perDay);
    state_.curWeeklyEarnings = ToFixedPoint(checked(perDay * 7));
    state_.curMonthlyEarnings = ToFixedPoint(checked(perDay * 30.41));
    state_.curYearlyEarnings = ToFixedPoint(checked(perDay * 365));

    // All four amounts are computed before any label is written, so an overflow among
    // them leaves the labels as they were.
    setCaption(Caption::DailyEarnings, CaptionText(state_.curDailyEarnings, Pattern::Earnings));
    setCaption(Caption::WeeklyEarnings, CaptionText(state_.curWeeklyEarnings, Pattern::Earnings));
    setCaption(Caption::MonthlyEarnings, CaptionText(state_.curMonthlyEarnings, Pattern::Earnings));
    setCaption(Caption::YearlyEarnings, CaptionText(state_.curYearlyEarnings, Pattern::Earnings));
    state_.curEPC =
        ToFixedPoint(divide(state_.curDailyEarnings.toDouble(), state_.dblProjectedClicks));
    setCaption(Caption::EPC, CaptionText(state_.curEPC, Pattern::EPC));
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
    const Refill& refill = kRefills[IndexOf(which)];
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
    for (const Caption caption : {Caption::DailyEarnings, Caption::WeeklyEarnings,
                                  Caption::MonthlyEarnings, Caption::YearlyEarnings, Caption::EPC})
        setCaption(caption, kZeroDollars);
}

} // namespace calc
