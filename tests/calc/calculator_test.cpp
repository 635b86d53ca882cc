// SPDX-License-Identifier: MIT
// Whole edits through the calculator: the figures tied by clicks = impressions × CTR, and
// the earnings that follow them.
#include "tests/calc/calculator_fixture.h"

namespace {

using Earnings = std::map<calc::Caption, std::string>;

Earnings AllEarnings(const std::string& daily, const std::string& weekly,
                     const std::string& monthly, const std::string& yearly,
                     const std::string& epc) {
    return {{calc::Caption::DailyEarnings, daily},
            {calc::Caption::WeeklyEarnings, weekly},
            {calc::Caption::MonthlyEarnings, monthly},
            {calc::Caption::YearlyEarnings, yearly},
            {calc::Caption::EPC, epc}};
}

const Earnings kZeroEarnings = AllEarnings("$0.00", "$0.00", "$0.00", "$0.00", "$0.00");

TEST_F(CalculatorTest, StartsWithTheDesignedTextsAndZeroFigures) {
    EXPECT_EQ(box(Box::Impressions).text(), "100");
    for (Box b : {Box::Clicks, Box::CTR, Box::Dec, Box::ECPM})
        EXPECT_EQ(box(b).text(), "0");
    EXPECT_EQ(caption(Caption::ActualImpressions), "100");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "0");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "0.0%");
    EXPECT_EQ(caption(Caption::ECPM), "$0.00");
    EXPECT_EQ(earningsCaptions(), kZeroEarnings);
    EXPECT_EQ(calculator->state().dblImpressions, 0);
    EXPECT_EQ(calculator->state().curECPM.tenThousandths, 0);
}

TEST_F(CalculatorTest, WorkedSequenceFromTheStart) {
    typeOver(Box::CTR, "2");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.00%");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "2.0");
    EXPECT_EQ(earningsCaptions(), kZeroEarnings);

    typeOver(Box::Impressions, "1000");
    EXPECT_EQ(caption(Caption::ActualImpressions), "1000");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.00%");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "20.0");
    EXPECT_EQ(earningsCaptions(), kZeroEarnings);

    typeOver(Box::ECPM, "3");
    EXPECT_EQ(caption(Caption::ECPM), "$3.00");
    EXPECT_EQ(earningsCaptions(), AllEarnings("$3.00", "$21.00", "$91.23", "$1,095.00", "$.15"));

    typeOver(Box::Clicks, "50");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "50.0");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "5.00%");
    EXPECT_EQ(earningsCaptions(), AllEarnings("$3.00", "$21.00", "$91.23", "$1,095.00", "$.06"));
    EXPECT_EQ(box(Box::CTR).text(), "2"); // the typed CTR and the shown CTR now differ
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CalculatorTest, EarningsExample) {
    typeOver(Box::ECPM, "2");
    typeOver(Box::Impressions, "1000");
    typeOver(Box::CTR, "2");
    typeOver(Box::Dec, "5");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.50%");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "25.0");
    EXPECT_EQ(earningsCaptions(), AllEarnings("$2.00", "$14.00", "$60.82", "$730.00", "$.08"));

    typeOver(Box::ECPM, "5");
    typeOver(Box::Impressions, "100000");
    EXPECT_EQ(earningsCaptions(),
              AllEarnings("$500.00", "$3,500.00", "$15,205.00", "$182,500.00", "$.20"));
    typeOver(Box::Clicks, "2000");
    EXPECT_EQ(caption(Caption::EPC), "$.25");
}

TEST_F(CalculatorTest, MonthlyAmountMeetsBothRoundings) {
    typeOver(Box::CTR, "2");
    typeOver(Box::Impressions, "1000");
    typeOver(Box::ECPM, "2.5");
    EXPECT_EQ(calculator->state().curMonthlyEarnings.tenThousandths, 760250);
    EXPECT_EQ(caption(Caption::MonthlyEarnings), "$76.03");
}

TEST_F(CalculatorTest, ECPMIsKeptToFourDecimals) {
    typeOver(Box::ECPM, "1.23456");
    EXPECT_EQ(calculator->state().curECPM.tenThousandths, 12346);
    EXPECT_EQ(caption(Caption::ECPM), "$1.23");
}

TEST_F(CalculatorTest, ImpressionsKeepTheShownCTR) {
    typeOver(Box::CTR, "2");
    typeOver(Box::Dec, "5");
    typeOver(Box::Impressions, "1000");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "25.0");
    EXPECT_EQ(caption(Caption::ActualImpressions), "1000");
}

TEST_F(CalculatorTest, TheCTRTravelsRoundedToTwoDecimals) {
    typeOver(Box::Impressions, "3");
    typeOver(Box::ECPM, "10");
    typeOver(Box::Clicks, "1");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "33.33%");
    typeOver(Box::Impressions, "300");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "100.0");
    EXPECT_DOUBLE_EQ(calculator->state().dblProjectedClicks, 300 * 0.3333);
    // Daily 10 × 0.3 = 3, divided by 99.99 clicks, not by the 100 shown.
    EXPECT_EQ(calculator->state().curEPC.tenThousandths, 300);
}

TEST_F(CalculatorTest, TypedClicksAreUsedAsShownToOneDecimal) {
    typeOver(Box::Clicks, "2.57");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "2.6");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.60%");
    EXPECT_DOUBLE_EQ(calculator->state().dblProjectedClicks, 2.6);
}

TEST_F(CalculatorTest, ClicksWithoutImpressionsGiveNoCTR) {
    typeOver(Box::Impressions, "");
    typeOver(Box::Clicks, "5");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "0.0%");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "5.0");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{}) << "no division by zero reported";
}

TEST_F(CalculatorTest, EmptyWholePercentCountsAsZero) {
    typeOver(Box::CTR, "3");
    typeOver(Box::CTR, "");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "0.0%");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "0");
    EXPECT_EQ(earningsCaptions(), kZeroEarnings);
    typeOver(Box::Dec, "5");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "0.50%");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "0.5");
}

TEST_F(CalculatorTest, WholePercentAboveHundredIsCutToHundred) {
    typeOver(Box::Dec, "5");
    typeOver(Box::CTR, "150");
    EXPECT_EQ(box(Box::CTR).text(), "100");
    EXPECT_EQ(box(Box::Dec).text(), "0");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "100.00%");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "100.0");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CalculatorTest, WholeHundredResetsTheTenths) {
    typeOver(Box::CTR, "100");
    typeOver(Box::Dec, "5");
    EXPECT_EQ(box(Box::Dec).text(), "0");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "100.00%");
}

TEST_F(CalculatorTest, PointInTheWholePercentWarnsAndChangesNoLabel) {
    typeOver(Box::CTR, "2");
    box(Box::CTR).type(".5"); // "2." still reads as 2; "2.5" joins to 2.5.0
    EXPECT_EQ(messageTexts(), std::vector<std::string>({kNoDecimalPoints}));
    EXPECT_EQ(messages.messages.back().icon, calc::MessageIcon::Warning);
    EXPECT_EQ(messages.messages.back().title, "Varnel Interactive Calculator");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.00%");
    EXPECT_DOUBLE_EQ(calculator->state().dblPresentCTR, 0.02);
}

TEST_F(CalculatorTest, PointInTheTenthsCountsAsZero) {
    typeOver(Box::CTR, "2");
    typeOver(Box::Dec, ".");
    EXPECT_EQ(caption(Caption::ProjectedCTR), "2.00%");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CalculatorTest, EmptyingImpressionsKeepsTheEarnings) {
    typeOver(Box::ECPM, "2");
    typeOver(Box::Impressions, "1000");
    typeOver(Box::CTR, "2");
    typeOver(Box::Dec, "5");
    const Earnings before = earningsCaptions();

    box(Box::Impressions).selectAll();
    box(Box::Impressions).erase();
    EXPECT_EQ(caption(Caption::ActualImpressions), "0");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "0");
    EXPECT_EQ(earningsCaptions(), before);
}

TEST_F(CalculatorTest, ZeroCTRZeroesTheEarnings) {
    typeOver(Box::ECPM, "2");
    typeOver(Box::Impressions, "1000");
    typeOver(Box::CTR, "2");
    typeOver(Box::CTR, "0");
    EXPECT_EQ(earningsCaptions(), kZeroEarnings);
}

TEST_F(CalculatorTest, ECPMWithoutClicksKeepsTheEarnings) {
    typeOver(Box::ECPM, "2.5");
    EXPECT_EQ(caption(Caption::ECPM), "$2.50");
    EXPECT_EQ(earningsCaptions(), kZeroEarnings);
    EXPECT_EQ(calculator->state().curDailyEarnings.tenThousandths, 0);
}

TEST_F(CalculatorTest, NegativeECPMGivesNegativeAmounts) {
    typeOver(Box::CTR, "2");
    typeOver(Box::Impressions, "1000");
    box(Box::ECPM).selectAll();
    box(Box::ECPM).paste("-2");
    EXPECT_EQ(caption(Caption::ECPM), "-$2.00");
    EXPECT_EQ(caption(Caption::DailyEarnings), "-$2.00");
    EXPECT_EQ(caption(Caption::EPC), "-$.10");
}

TEST_F(CalculatorTest, GroupingIsForEarningsButNotForTheEPC) {
    typeOver(Box::CTR, "0");
    typeOver(Box::Dec, "1");
    typeOver(Box::Impressions, "1000000");
    typeOver(Box::ECPM, "1234.5");
    EXPECT_EQ(caption(Caption::DailyEarnings), "$1,234,500.00");
    EXPECT_EQ(caption(Caption::EPC), "$1234.50");
}

TEST_F(CalculatorTest, OverflowingAmountIsReportedAndLeavesTheLabels) {
    typeOver(Box::CTR, "2");
    typeOver(Box::Impressions, "1000");
    typeOver(Box::ECPM, "3");
    const Earnings before = earningsCaptions();

    box(Box::ECPM).selectAll();
    box(Box::ECPM).paste("1e14");
    EXPECT_EQ(caption(Caption::ECPM), "$100,000,000,000,000.00");
    EXPECT_EQ(earningsCaptions(), before);
    ASSERT_EQ(messageTexts(),
              std::vector<std::string>({kNumbersOnly, "txtECPM_Change Overflow VarnelCalc "}));
    EXPECT_EQ(messages.messages[1].icon, calc::MessageIcon::Information);
    EXPECT_EQ(messages.messages[1].title, "Varnel Interactive Calculator");
    // The error's kind travels with the report, for callers that act on it.
    EXPECT_EQ(messages.messages[0].error, std::nullopt);
    EXPECT_EQ(messages.messages[1].error, calc::ErrorKind::Overflow);
}

TEST_F(CalculatorTest, FiguresBeyondTheDoubleRangeAreReportedNotShown) {
    struct Case {
        Box box;
        const char* text;
        const char* report;
    };
    for (const Case& c :
         {Case{Box::ECPM, "1e999", "txtECPM_Change Overflow VarnelCalc "},
          Case{Box::Impressions, "1e999", "txtPresentImpressions_Change Overflow VarnelCalc "},
          Case{Box::Clicks, "1e999", "txtPresentClicks_Change Overflow VarnelCalc "}}) {
        messages.messages.clear();
        box(c.box).selectAll();
        box(c.box).paste(c.text);
        ASSERT_FALSE(messages.messages.empty()) << c.report;
        EXPECT_EQ(messages.messages.back().text, c.report);
        for (Caption each : calc::kAllCaptions)
            EXPECT_EQ(caption(each).find("inf"), std::string::npos);
        calculator->cmdReset_Click();
    }
}

TEST_F(CalculatorTest, ClicksOverflowingTheDoubleRangeAreReported) {
    typeOver(Box::Impressions, "1");
    typeOver(Box::Clicks, "99999"); // a derived CTR of 9999900 %
    box(Box::Impressions).selectAll();
    box(Box::Impressions).paste("1.7e308");
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back().text, "txtPresentImpressions_Change Overflow VarnelCalc ");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "99999.0");
}

// A box that logs the order in which the changes arrive.
class TracingBox final : public calc::InputBox {
public:
    TracingBox(calc::Box which, std::vector<std::string>& log)
        : InputBox(calc::BoxName(which), calc::TypingLimit(which)), text_(calc::StartText(which)),
          log_(log) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override {
        if (text == text_)
            return;
        text_ = text;
        log_.push_back(name());
        raiseChange();
    }
    int selectionStart() const override { return 0; }
    int selectionLength() const override { return 0; }
    void setSelection(int, int) override {}

private:
    std::string text_;
    std::vector<std::string>& log_;
};

class ResetTest : public ::testing::Test {
protected:
    ResetTest() {
        calc::Calculator::Boxes boxes;
        for (calc::Box which : calc::kAllBoxes)
            boxes[static_cast<std::size_t>(which)] = std::make_unique<TracingBox>(which, writes);
        calculator = std::make_unique<calc::Calculator>(std::move(boxes), messages);
    }
    std::vector<std::string> writes;
    calc::RecordingMessageService messages;
    std::unique_ptr<calc::Calculator> calculator;
};

TEST_F(ResetTest, RightAfterStartRecalculatesNothing) {
    calculator->cmdReset_Click();
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(calculator->caption(calc::Caption::EPC), "$0.00");
}

TEST_F(ResetTest, WritesTheBoxesInOrderThenZeroesTheEarnings) {
    for (calc::Box which : calc::kAllBoxes)
        calculator->box(which).setText("7");
    calculator->box(calc::Box::ECPM).setText("3");
    ASSERT_NE(calculator->caption(calc::Caption::DailyEarnings), "$0.00");
    writes.clear();

    calculator->optIncrement_Click(3);
    calculator->cmdReset_Click();
    EXPECT_EQ(writes, std::vector<std::string>({"txtPresentImpressions", "txtPresentClicks",
                                                "txtPresentCTR", "txtDec", "txtECPM"}));
    EXPECT_EQ(calculator->caption(calc::Caption::ActualImpressions), "100");
    EXPECT_EQ(calculator->caption(calc::Caption::ProjectedCTR), "0.0%");
    EXPECT_EQ(calculator->caption(calc::Caption::ProjectedClicks), "0");
    EXPECT_EQ(calculator->caption(calc::Caption::ECPM), "$0.00");
    for (calc::Caption c :
         {calc::Caption::DailyEarnings, calc::Caption::WeeklyEarnings,
          calc::Caption::MonthlyEarnings, calc::Caption::YearlyEarnings, calc::Caption::EPC})
        EXPECT_EQ(calculator->caption(c), "$0.00");
    // The step choice survives a reset.
    EXPECT_EQ(calculator->spinButton(calc::Box::Impressions).step(), 1000);
}

TEST_F(ResetTest, OnlyTheChangedBoxIsRecalculated) {
    calculator->box(calc::Box::ECPM).setText("4");
    writes.clear();
    calculator->cmdReset_Click();
    EXPECT_EQ(writes, std::vector<std::string>({"txtECPM"}));
    EXPECT_EQ(calculator->caption(calc::Caption::ECPM), "$0.00");
}

TEST_F(CalculatorTest, CaptionObserverHearsEachChangedCaptionOnce) {
    std::vector<Caption> heard;
    calculator->setCaptionObserver([&](Caption c, const std::string& text) {
        heard.push_back(c);
        EXPECT_EQ(text, caption(c)); // the new text, already in place
    });
    typeOver(Box::ECPM, "3");
    EXPECT_EQ(heard, std::vector<Caption>({Caption::ECPM}));
    heard.clear();
    typeOver(Box::CTR, "2");
    EXPECT_EQ(heard, std::vector<Caption>({Caption::ProjectedCTR, Caption::ProjectedClicks,
                                           Caption::DailyEarnings, Caption::WeeklyEarnings,
                                           Caption::MonthlyEarnings, Caption::YearlyEarnings,
                                           Caption::EPC}));
}

} // namespace
