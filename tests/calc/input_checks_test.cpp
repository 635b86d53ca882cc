// SPDX-License-Identifier: MIT
// What the boxes do with what users type or paste: blanks, letters, leading zeros.
#include "calc/conversions.h"
#include "calc/input_check.h"
#include "tests/calc/calculator_fixture.h"

namespace {

struct TypedText {
    calc::Box box;
    const char* pasted;
    const char* textAfter;
    int warnings;
};

std::ostream& operator<<(std::ostream& out, const TypedText& c) {
    return out << calc::BoxName(c.box) << " <- \"" << c.pasted << '"';
}

class CharacterCheckTest : public CalculatorTest,
                           public ::testing::WithParamInterface<TypedText> {};

TEST_P(CharacterCheckTest, WarnsOnceAndKeepsTheText) {
    const TypedText& c = GetParam();
    box(c.box).selectAll();
    box(c.box).paste(c.pasted);
    EXPECT_EQ(box(c.box).text(), c.textAfter);
    EXPECT_EQ(static_cast<int>(messages.messages.size()), c.warnings)
        << ::testing::PrintToString(messageTexts());
    for (const auto& message : messages.messages) {
        EXPECT_EQ(message.text, kNumbersOnly);
        EXPECT_EQ(message.icon, calc::MessageIcon::Warning);
        EXPECT_EQ(message.title, "Varnel Interactive Calculator");
    }
    if (c.warnings > 0) {
        EXPECT_EQ(box(c.box).selectionStart(), 0);
        EXPECT_EQ(box(c.box).selectionLength(), calc::CharacterCount(c.textAfter));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CharacterCheckTest,
    ::testing::Values(
        TypedText{calc::Box::Clicks, "12a", "12a", 1}, TypedText{calc::Box::ECPM, "-5", "-5", 1},
        TypedText{calc::Box::ECPM, "1,000", "1,000", 1}, TypedText{calc::Box::ECPM, "$2", "$2", 1},
        TypedText{calc::Box::ECPM, "5%", "5%", 1}, TypedText{calc::Box::ECPM, "1.2.3", "1.2.3", 0},
        TypedText{calc::Box::ECPM, "1e5", "1e5", 1}, TypedText{calc::Box::Clicks, "007", "007", 0},
        TypedText{calc::Box::Impressions, "0", "", 0},
        TypedText{calc::Box::Impressions, "05", "", 0},
        TypedText{calc::Box::Impressions, "0100", "", 0},
        TypedText{calc::Box::Impressions, "0a", "", 0},
        TypedText{calc::Box::Impressions, "1 000", "1000", 0},
        // The cleaned text is checked by the nested run and by the outer one.
        TypedText{calc::Box::Impressions, "1 0a0", "10a0", 2},
        TypedText{calc::Box::Clicks, "1\t2", "1\t2", 1},
        TypedText{calc::Box::Clicks,
                  "\xc2\xa0"
                  "12",
                  "\xc2\xa0"
                  "12",
                  1},
        TypedText{calc::Box::ECPM,
                  "\xe2\x82\xac"
                  "5",
                  "\xe2\x82\xac"
                  "5",
                  1},
        TypedText{calc::Box::Dec, "x", "x", 1}));

struct CheckedInput {
    calc::Box box;
    const char* text;
    bool emptied;
    int rejectedAt;
    const char* rejected;
    bool tooLong;
};

std::ostream& operator<<(std::ostream& out, const CheckedInput& c) {
    return out << calc::BoxName(c.box) << " \"" << c.text << '"';
}

class CheckInputTest : public ::testing::TestWithParam<CheckedInput> {};

TEST_P(CheckInputTest, TellsWhatTheBoxMakesOfTheText) {
    const CheckedInput& c = GetParam();
    const calc::InputCheck check = calc::CheckInput(c.box, c.text);
    EXPECT_EQ(check.emptied, c.emptied);
    EXPECT_EQ(check.rejectedAt, c.rejectedAt);
    EXPECT_EQ(check.rejected, c.rejected);
    EXPECT_EQ(check.tooLong, c.tooLong);
    EXPECT_EQ(check.length, calc::CharacterCount(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CheckInputTest,
    ::testing::Values(CheckedInput{calc::Box::Impressions, "1000", false, 0, "", false},
                      CheckedInput{calc::Box::Impressions, "0100", true, 0, "", false},
                      CheckedInput{calc::Box::Clicks, "007", false, 0, "", false},
                      CheckedInput{calc::Box::ECPM, "1.2.3", false, 0, "", false},
                      CheckedInput{calc::Box::Clicks, "12a4b", false, 3, "a", false},
                      CheckedInput{calc::Box::ECPM, "5\xe2\x82\xac", false, 2, "\xe2\x82\xac",
                                   false},
                      CheckedInput{calc::Box::Clicks, "123456", false, 0, "", true},
                      CheckedInput{calc::Box::Dec, "12", false, 0, "", true},
                      CheckedInput{calc::Box::CTR, "100", false, 0, "", false},
                      CheckedInput{calc::Box::Impressions, "", false, 0, "", false}));

struct CtrLimitRow {
    const char* wholePercent;
    const char* tenths;
    bool wholeAbove;
    bool tenthsAbove;
};

std::ostream& operator<<(std::ostream& out, const CtrLimitRow& c) {
    return out << c.wholePercent << '.' << c.tenths;
}

class CtrLimitTest : public ::testing::TestWithParam<CtrLimitRow> {};

TEST_P(CtrLimitTest, HoldsTheRateAtAHundredPercent) {
    EXPECT_EQ(calc::WholePercentAboveLimit(GetParam().wholePercent), GetParam().wholeAbove);
    EXPECT_EQ(calc::TenthsAboveLimit(GetParam().wholePercent, GetParam().tenths),
              GetParam().tenthsAbove);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, CtrLimitTest,
    ::testing::Values(CtrLimitRow{"99", "9", false, false}, CtrLimitRow{"100", "0", false, false},
                      CtrLimitRow{"100", "1", false, true}, CtrLimitRow{"101", "", true, false},
                      CtrLimitRow{"101", "5", true, true}, CtrLimitRow{"", "5", false, false}));

TEST_F(CalculatorTest, BlankIsRemovedAndTheEditRunsTwice) {
    box(Box::Impressions).selectAll();
    box(Box::Impressions).paste("1 00");
    EXPECT_EQ(box(Box::Impressions).text(), "100");
    EXPECT_EQ(caption(Caption::ActualImpressions), "100");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CalculatorTest, LetterInTheTenthsWarnsForEachBoxThatHoldsOne) {
    calculator->box(Box::CTR).setText("2b"); // written by code: one warning, from its own edit
    messages.messages.clear();
    typeOver(Box::Dec, "x");
    EXPECT_EQ(messageTexts(), std::vector<std::string>({kNumbersOnly, kNumbersOnly}));
}

TEST_F(CalculatorTest, WarningSelectsTheTextSoTheNextKeyReplacesIt) {
    typeOver(Box::Clicks, "1a");
    box(Box::Clicks).type("2");
    EXPECT_EQ(box(Box::Clicks).text(), "2");
    EXPECT_EQ(caption(Caption::ProjectedClicks), "2.0");
}

TEST_F(CalculatorTest, EmptyTextPassesTheCheckSilently) {
    typeOver(Box::Clicks, "");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(box(Box::Clicks).selectionLength(), 0);
}

TEST_F(CalculatorTest, LettersAreReadThroughTheirLeadingNumber) {
    box(Box::Impressions).selectAll();
    box(Box::Impressions).paste("12abc");
    EXPECT_EQ(caption(Caption::ActualImpressions), "12");
}

TEST_F(CalculatorTest, CheckKeepsItsPlaceInTheState) {
    calculator->ValidateChrlnBox("12a4", Box::Clicks);
    EXPECT_EQ(calculator->state().intCharPos, 3);
    EXPECT_EQ(calculator->state().strCurChar, "a");
    calculator->ValidateChrlnBox("\xc3\xa9", Box::Clicks);
    EXPECT_EQ(calculator->state().strCurChar, "\xc3\xa9"); // a whole character, not a byte
    calculator->ValidateChrlnBox("12", Box::Clicks);
    EXPECT_EQ(calculator->state().strCurChar, "");
}

TEST_F(CalculatorTest, TextTooLongForTheCheckIsReportedAsOverflow) {
    calculator->box(Box::ECPM).setText(std::string(40000, '1'));
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.front().text, "ValidateChrlnBox Overflow VarnelCalc ");
    EXPECT_EQ(messages.messages.front().icon, calc::MessageIcon::Information);
}

TEST_F(CalculatorTest, TypingLimitsApplyToTypingOnly) {
    typeOver(Box::Dec, "12");
    EXPECT_EQ(box(Box::Dec).text(), "1");
    typeOver(Box::Clicks, "1234567");
    EXPECT_EQ(box(Box::Clicks).text(), "12345");
    box(Box::Clicks).selectAll();
    box(Box::Clicks).paste("9876543");
    EXPECT_EQ(box(Box::Clicks).text(), "12345") << "a paste too long is refused, not cut";
    box(Box::Clicks).paste("98 765");
    EXPECT_EQ(box(Box::Clicks).text(), "98765") << "blanks take no room";
    calculator->box(Box::Clicks).setText("100000");
    EXPECT_EQ(box(Box::Clicks).text(), "100000");
}

} // namespace
