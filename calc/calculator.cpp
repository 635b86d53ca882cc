// SPDX-License-Identifier: MIT
#include "calculator.h"

#include "conversions.h"
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

std::size_t IndexOf(Box box) {
    return static_cast<std::size_t>(box);
}
std::size_t IndexOf(Caption caption) {
    return static_cast<std::size_t>(caption);
}

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
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

void Calculator::reportError(const char* reportName, const CalcError& error) {
    messages_.show(std::string(reportName) + " " + error.description() + " " + error.source() + " ",
                   MessageIcon::Information, kApplicationTitle);
}

template <typename Body> void Calculator::trapped(const char* reportName, Body&& body) {
    try {
        body();
    } catch (const CalcError& error) {
        reportError(reportName, error);
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
        captionObserver_(which);
}

// ---- Change head and character check ---------------------------------------------------

void Calculator::ChangeHead(InputBox& box) {
    box.setText(WithoutBlanks(box.text()));
    ValidateChrlnBox(box.text(), box);
}

void Calculator::ValidateChrlnBox(const std::string& text, InputBox& box) {
    trapped("ValidateChrlnBox", [&] {
        const std::string& name = box.name();
        const bool leadingZeroAllowed = name == "txtPresentCTR" || name == "txtPresentClicks" ||
                                        name == "txtECPM" || name == "txtDec";
        if (!leadingZeroAllowed && text.starts_with('0')) {
            box.setText("");
            return;
        }

        const int length = CharacterCount(text);
        if (length > std::numeric_limits<std::int16_t>::max())
            raiseOverflow();
        std::size_t next = 0;
        for (state_.intCharPos = 1; state_.intCharPos <= length; ++state_.intCharPos) {
            const std::size_t from = next;
            for (++next; next < text.size() && IsContinuationByte(text[next]);)
                ++next;
            state_.strCurChar = text.substr(from, next - from);
            const char c = state_.strCurChar.front();
            const bool accepted = c == '.' || (c >= '0' && c <= '9');
            if (!accepted) {
                box.setSelection(0, length);
                warn(kNumbersOnly);
                return;
            }
        }
        state_.strCurChar.clear();
    });
}

// ---- Impressions, CTR and clicks -------------------------------------------------------

void Calculator::txtPresentImpressions_Change() {
    trapped("txtPresentImpressions_Change", [&] {
        InputBox& impressions = box(Box::Impressions);
        ChangeHead(impressions);

        state_.dblImpressions = LeadingValue(impressions.text());
        setCaption(Caption::ActualImpressions, PlainNumberText(state_.dblImpressions));

        state_.dblProjectedCTR =
            checked(LeadingValue(WithoutPercentSign(caption(Caption::ProjectedCTR))) / 100);
        setCaption(Caption::ProjectedCTR,
                   PercentFixUp(FormatPattern(state_.dblProjectedCTR, Pattern::Percent)));

        state_.dblProjectedClicks = checked(state_.dblImpressions * state_.dblProjectedCTR);
        setCaption(Caption::ProjectedClicks,
                   ClicksFixUp(FormatPattern(state_.dblProjectedClicks, Pattern::Clicks)));

        RefreshEarnings(RefreshForm::Keeping);
    });
}

void Calculator::txtPresentClicks_Change() {
    trapped("txtPresentClicks_Change", [&] {
        InputBox& clicks = box(Box::Clicks);
        ChangeHead(clicks);

        state_.dblPresentClicks = LeadingValue(clicks.text());
        // The clicks used from here on are the typed clicks as shown, to one decimal.
        const std::string shownClicks = FormatPattern(state_.dblPresentClicks, Pattern::Clicks);
        state_.dblProjectedClicks = LeadingValue(shownClicks);
        setCaption(Caption::ProjectedClicks, ClicksFixUp(shownClicks));

        state_.dblImpressions = LeadingValue(box(Box::Impressions).text());
        state_.dblProjectedCTR = state_.dblImpressions != 0
                                     ? divide(state_.dblProjectedClicks, state_.dblImpressions)
                                     : 0;
        setCaption(Caption::ProjectedCTR,
                   PercentFixUp(FormatPattern(state_.dblProjectedCTR, Pattern::Percent)));

        RefreshEarnings(RefreshForm::Zeroing);
    });
}

void Calculator::txtPresentCTR_Change() {
    try {
        InputBox& ctr = box(Box::CTR);
        InputBox& tenths = box(Box::Dec);
        ChangeHead(ctr);

        if (LeadingValue(ctr.text()) > 100)
            ctr.setText("100");
        if (LeadingValue(ctr.text()) >= 100 && LeadingValue(tenths.text()) > 0)
            tenths.setText("0");

        // A point typed into the whole-percent box gives two points here: a type mismatch.
        const std::string joined = PlainNumberText(LeadingValue(ctr.text())) + "." +
                                   PlainNumberText(LeadingValue(tenths.text()));
        state_.dblPresentCTR = checked(StrictValue(joined) / 100);

        state_.dblProjectedCTR = state_.dblPresentCTR;
        setCaption(Caption::ProjectedCTR,
                   PercentFixUp(FormatPattern(PlainNumberText(state_.dblPresentCTR),
                                              Pattern::PercentOfText)));

        state_.dblImpressions = LeadingValue(box(Box::Impressions).text());
        state_.dblProjectedClicks = checked(state_.dblImpressions * state_.dblProjectedCTR);
        setCaption(Caption::ProjectedClicks,
                   ClicksFixUp(FormatPattern(state_.dblProjectedClicks, Pattern::Clicks)));

        RefreshEarnings(RefreshForm::Zeroing);
    } catch (const CalcError& error) {
        if (error.number() == CalcError::kTypeMismatch)
            warn(kNoDecimalPointsInCTR);
        else
            reportError("txtPresentCTR_Change", error);
    }
}

// ---- Tenths and step choice ------------------------------------------------------------

void Calculator::txtDec_Change() {
    trapped("txtDec_Change", [&] {
        ChangeHead(box(Box::Dec));
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
        ChangeHead(ecpm);

        state_.curECPM = ToFixedPoint(LeadingValue(ecpm.text()));
        setCaption(Caption::ECPM, DollarFixUp(FormatPattern(state_.curECPM, Pattern::ECPM)));

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
    setCaption(Caption::DailyEarnings,
               DollarFixUp(FormatPattern(state_.curDailyEarnings, Pattern::Earnings)));
    setCaption(Caption::WeeklyEarnings,
               DollarFixUp(FormatPattern(state_.curWeeklyEarnings, Pattern::Earnings)));
    setCaption(Caption::MonthlyEarnings,
               DollarFixUp(FormatPattern(state_.curMonthlyEarnings, Pattern::Earnings)));
    setCaption(Caption::YearlyEarnings,
               DollarFixUp(FormatPattern(state_.curYearlyEarnings, Pattern::Earnings)));
    state_.curEPC =
        ToFixedPoint(divide(state_.curDailyEarnings.toDouble(), state_.dblProjectedClicks));
    setCaption(Caption::EPC, DollarFixUp(FormatPattern(state_.curEPC, Pattern::EPC)));
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

bool Calculator::txtPresentImpressions_Validate() {
    return trappedValidate("txtPresentImpressions_Validate", [&] {
        InputBox& impressions = box(Box::Impressions);
        if (!impressions.text().empty())
            return false;
        warn(kNoImpressions);
        impressions.setText("100");
        SelectAllInBox(impressions);
        return true;
    });
}

bool Calculator::txtECPM_Validate() {
    return trappedValidate("txtECPM_Validate", [&] {
        InputBox& ecpm = box(Box::ECPM);
        if (!ecpm.text().empty())
            return false;
        warn(kNoDollarAmount);
        ecpm.setText("0");
        SelectAllInBox(ecpm);
        return true;
    });
}

bool Calculator::txtPresentClicks_Validate() {
    return trappedValidate("txtPresentClicks_Validate", [&] {
        InputBox& clicks = box(Box::Clicks);
        if (!clicks.text().empty())
            return false;
        clicks.setText("0");
        return true;
    });
}

bool Calculator::txtPresentCTR_Validate() {
    return trappedValidate("txtPresentCTR_Validate", [&] {
        InputBox& ctr = box(Box::CTR);
        if (!ctr.text().empty())
            return false;
        ctr.setText("0");
        return true;
    });
}

bool Calculator::txtDec_Validate() {
    return trappedValidate("txtDec_Validate", [&] {
        InputBox& tenths = box(Box::Dec);
        if (!tenths.text().empty())
            return false;
        tenths.setText("00"); // two zeros, although one character can be typed
        return true;
    });
}

bool Calculator::Validate(Box which) {
    switch (which) {
    case Box::Impressions:
        return txtPresentImpressions_Validate();
    case Box::Clicks:
        return txtPresentClicks_Validate();
    case Box::CTR:
        return txtPresentCTR_Validate();
    case Box::Dec:
        return txtDec_Validate();
    case Box::ECPM:
        return txtECPM_Validate();
    }
    return false;
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
