// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calc_error.h"
#include "calc/fixed_point.h"
#include "calc/input_box.h"
#include "calc/message_service.h"
#include "calc/results.h"
#include "calc/spin_button.h"
#include "calc/worked_figures.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace calc {

// The figures behind the captions. All zero until the first edit, although the boxes
// and labels show their start texts.
struct CalculatorState {
    FixedPoint curECPM;
    FixedPoint curDailyEarnings;
    FixedPoint curWeeklyEarnings;
    FixedPoint curMonthlyEarnings;
    FixedPoint curYearlyEarnings;
    FixedPoint curEPC;
    double dblImpressions = 0;
    double dblPresentClicks = 0;
    double dblPresentCTR = 0; // a fraction: 0.025 is 2.5 %
    double dblProjectedClicks = 0;
    double dblProjectedCTR = 0;
    std::string strCurChar; // the character under test by the character check
    std::int16_t intCharPos = 0;
};

// The five input boxes, in reset order.
enum class Box { Impressions, Clicks, CTR, Dec, ECPM };
inline constexpr std::array kAllBoxes = {Box::Impressions, Box::Clicks, Box::CTR, Box::Dec,
                                         Box::ECPM};

// Control names, as the window names its widgets.
const char* BoxName(Box box); // "txtPresentImpressions", ...
int TypingLimit(Box box);
const char* StartText(Box box);

// The calculator tab without a window: the state, the captions, the boxes, the spin
// buttons and the step choice, with one handler per event of the calculator's controls.
class Calculator {
public:
    using Boxes = std::array<std::unique_ptr<InputBox>, kAllBoxes.size()>;

    // Takes the boxes in the order of kAllBoxes, each holding its start text.
    Calculator(Boxes boxes, MessageService& messages);

    // A calculator over in-memory boxes.
    static std::unique_ptr<Calculator> Headless(MessageService& messages);

    InputBox& box(Box which) const { return *boxes_[static_cast<std::size_t>(which)]; }
    SpinButton& spinButton(Box which) { return spinButtons_[static_cast<std::size_t>(which)]; }
    const CalculatorState& state() const { return state_; }

    const std::string& caption(Caption which) const {
        return captions_[static_cast<std::size_t>(which)];
    }
    // Called with the new text after a caption changed, so a window can mirror it.
    using CaptionObserver = std::function<void(Caption, const std::string&)>;
    void setCaptionObserver(CaptionObserver observer) { captionObserver_ = std::move(observer); }

    // Change handlings, raised by the boxes.
    void txtPresentImpressions_Change();
    void txtPresentClicks_Change();
    void txtPresentCTR_Change();
    void txtDec_Change();
    void txtECPM_Change();

    // Focus entry selects the whole text.
    void txtPresentImpressions_GotFocus();
    void txtPresentClicks_GotFocus();
    void txtPresentCTR_GotFocus();
    void txtDec_GotFocus();
    void txtECPM_GotFocus();
    void GotFocus(Box which);

    // Focus about to leave: an empty box is refilled. Returns true to keep the focus.
    bool txtPresentImpressions_Validate();
    bool txtPresentClicks_Validate();
    bool txtPresentCTR_Validate();
    bool txtDec_Validate();
    bool txtECPM_Validate();
    bool Validate(Box which);

    // The "Increase By" choice: 0 to 3 for a step of 100, 250, 500, 1000.
    void optIncrement_Click(std::int16_t index);

    void cmdReset_Click();

    void ValidateChrlnBox(const std::string& text, Box which);
    static void SelectAllInBox(InputBox& box);

private:
    void ChangeHead(Box which);
    // The impressions box as read after an edit of the clicks or the CTR: an overflow in it is
    // raised once the edited figure's caption is shown.
    struct ImpressionsRead {
        double value;
        std::optional<CalcError> overflow;
    };
    ImpressionsRead ReadImpressions() const;
    enum class RefreshForm { Keeping, Zeroing };
    void RefreshEarnings(const WorkedFigures& worked, RefreshForm form);
    void setCaption(Caption which, std::string text);
    void warn(const std::string& text);
    void report(const char* reportName, const CalcError& error);
    template <typename Body> void trapped(const char* reportName, Body&& body);
    template <typename Body> bool trappedValidate(const char* reportName, Body&& body);

    Boxes boxes_;
    MessageService& messages_;
    unsigned messagesShown_ = 0; // so that a spin step can tell whether it raised one
    CalculatorState state_;
    Captions captions_;
    std::array<SpinButton, kAllBoxes.size()> spinButtons_;
    CaptionObserver captionObserver_;
};

} // namespace calc
