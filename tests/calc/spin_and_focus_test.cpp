// SPDX-License-Identifier: MIT
// Spin buttons, the step choice and the focus rules.
#include "tests/calc/calculator_fixture.h"

namespace {

struct SpinCase {
    const char* name;
    calc::Box box;
    const char* startText;
    std::int16_t increment; // step choice, for the impressions arrows
    int clicks;             // positive up, negative down
    const char* textAfter;
};

std::ostream& operator<<(std::ostream& out, const SpinCase& c) {
    return out << c.name;
}

class SpinTest : public CalculatorTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinTest, StepsFromTheFigureInTheBoxWithinTheRange) {
    const SpinCase& c = GetParam();
    calculator->box(c.box).setText(c.startText);
    calculator->optIncrement_Click(c.increment);
    calc::SpinButton& spin = calculator->spinButton(c.box);
    for (int i = 0; i < std::abs(c.clicks); ++i)
        c.clicks > 0 ? spin.up() : spin.down();
    EXPECT_EQ(box(c.box).text(), c.textAfter);
    EXPECT_GE(spin.value(), spin.minimum());
    EXPECT_LE(spin.value(), spin.maximum());
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, SpinTest,
    ::testing::Values(SpinCase{"ImpressionsFromStart", calc::Box::Impressions, "100", 0, 1, "200"},
                      SpinCase{"ImpressionsBy1000", calc::Box::Impressions, "100", 3, 1, "1100"},
                      SpinCase{"ImpressionsBy250", calc::Box::Impressions, "100", 1, 2, "600"},
                      SpinCase{"FromTypedFigure", calc::Box::Impressions, "5000", 0, 1, "5100"},
                      SpinCase{"NeverBelowOne", calc::Box::Impressions, "50", 0, -1, "1"},
                      SpinCase{"StopsAtTheTop", calc::Box::Impressions, "999950", 0, 3, "1000000"},
                      SpinCase{"TypedAboveTheTop", calc::Box::Impressions, "9999999", 0, 1,
                               "9999999"},
                      SpinCase{"ClicksToSixDigits", calc::Box::Clicks, "99999", 0, 2, "100000"},
                      SpinCase{"TenthsStayAtNine", calc::Box::Dec, "9", 0, 1, "9"},
                      SpinCase{"CTRStaysAtZero", calc::Box::CTR, "0", 0, -1, "0"},
                      SpinCase{"CTRUp", calc::Box::CTR, "2", 0, 1, "3"},
                      SpinCase{"ECPMFromItsBox", calc::Box::ECPM, "0", 0, 1, "1"},
                      SpinCase{"FractionTruncated", calc::Box::ECPM, "2.7", 0, 1, "3"},
                      SpinCase{"LettersCountAsZero", calc::Box::Clicks, "abc", 0, 1, "1"},
                      SpinCase{"HugeFigureKeepsOwnValue", calc::Box::ECPM, "1e999", 0, 1, "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorTest, SpinClickRecalculatesLikeTyping) {
    calculator->spinButton(Box::CTR).up();
    calculator->spinButton(Box::CTR).up();
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.00%");
    calculator->spinButton(Box::Dec).up();
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.10%");
    calculator->spinButton(Box::Impressions).up();
    EXPECT_EQ(caption(Caption::ActualImpressions), "200");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "4.2");
}

// A held arrow stops at the step that shows a message: the step says so.
TEST_F(CalculatorTest, AStepSaysWhetherItShowedAMessage) {
    EXPECT_FALSE(calculator->spinButton(Box::ECPM).up());
    calculator->box(Box::Impressions).setText("9e300");
    calculator->box(Box::CTR).setText("5");
    messages.messages.clear();
    EXPECT_TRUE(calculator->spinButton(Box::ECPM).up()); // the earnings overflow
}

TEST_F(CalculatorTest, StepChoiceChangesNoFigure) {
    const auto before = earningsCaptions();
    calculator->optIncrement_Click(2);
    EXPECT_EQ(calculator->spinButton(Box::Impressions).step(), 500);
    EXPECT_EQ(box(Box::Impressions).text(), "100");
    EXPECT_EQ(earningsCaptions(), before);
    calculator->optIncrement_Click(7); // not an option: nothing happens
    EXPECT_EQ(calculator->spinButton(Box::Impressions).step(), 500);
}

TEST_F(CalculatorTest, FocusEntrySelectsTheWholeText) {
    for (Box which : calc::kAllBoxes) {
        calculator->GotFocus(which);
        EXPECT_EQ(box(which).selectionStart(), 0);
        EXPECT_EQ(box(which).selectionLength(), calc::CharacterCount(box(which).text()));
    }
    typeOver(Box::Clicks, "");
    calculator->txtPresentClicks_GotFocus();
    EXPECT_EQ(box(Box::Clicks).selectionLength(), 0);
}

struct Refill {
    calc::Box box;
    const char* warning; // "" for none
    const char* text;
    bool selectsAll;
};

std::ostream& operator<<(std::ostream& out, const Refill& c) {
    return out << calc::BoxName(c.box);
}

class RefillTest : public CalculatorTest, public ::testing::WithParamInterface<Refill> {};

TEST_P(RefillTest, EmptyBoxIsRefilledAndKeepsTheFocus) {
    const Refill& c = GetParam();
    typeOver(c.box, "");
    messages.messages.clear();
    std::string textWhileWarning = "not shown";
    messages.whileShown = [&](const auto&) {
        textWhileWarning = box(c.box).text();
    };

    EXPECT_TRUE(calculator->Validate(c.box));
    EXPECT_EQ(box(c.box).text(), c.text);
    if (*c.warning == '\0') {
        EXPECT_TRUE(messages.messages.empty());
    } else {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, c.warning);
        EXPECT_EQ(messages.messages[0].icon, calc::MessageIcon::Warning);
        EXPECT_EQ(textWhileWarning, ""); // shown while the box is still empty
    }
    if (c.selectsAll) {
        EXPECT_EQ(box(c.box).selectionStart(), 0);
        EXPECT_EQ(box(c.box).selectionLength(), calc::CharacterCount(c.text));
    } else {
        EXPECT_EQ(box(c.box).selectionLength(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, RefillTest,
                         ::testing::Values(Refill{calc::Box::Impressions,
                                                  "Must enter at least 1 Impression", "100", true},
                                           Refill{calc::Box::ECPM,
                                                  "You must enter a US Dollar amount", "0", true},
                                           Refill{calc::Box::Clicks, "", "0", false},
                                           Refill{calc::Box::CTR, "", "0", false},
                                           Refill{calc::Box::Dec, "", "00", false}));

TEST_F(CalculatorTest, RefillRecalculates) {
    typeOver(Box::CTR, "2");
    typeOver(Box::Impressions, "");
    EXPECT_EQ(caption(Caption::ActualImpressions), "0");
    calculator->txtPresentImpressions_Validate();
    EXPECT_EQ(caption(Caption::ActualImpressions), "100");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "2.0");
}

TEST_F(CalculatorTest, FocusLeavesAnyBoxThatIsNotEmpty) {
    typeOver(Box::Clicks, "ab");
    typeOver(Box::ECPM, "0");
    messages.messages.clear();
    for (Box which : calc::kAllBoxes)
        EXPECT_FALSE(calculator->Validate(which)) << calc::BoxName(which);
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
