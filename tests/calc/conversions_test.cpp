// SPDX-License-Identifier: MIT
#include "calc/calc_error.h"
#include "calc/conversions.h"
#include "tests/support/comma_decimal_locale.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <limits>

namespace {

using calc::CalcError;
using calc::Pattern;

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CalcError& error) {
        return error.number();
    }
    return 0;
}

struct TextToNumber {
    const char* text;
    double value;
};

std::ostream& operator<<(std::ostream& out, const TextToNumber& c) {
    return out << ::testing::PrintToString(std::string(c.text));
}

class LeadingValueTest : public ::testing::TestWithParam<TextToNumber> {};

TEST_P(LeadingValueTest, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(calc::LeadingValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingValueTest,
    ::testing::Values(TextToNumber{"12abc", 12}, TextToNumber{"", 0}, TextToNumber{".5", 0.5},
                      TextToNumber{"2.", 2}, TextToNumber{"1,000", 1}, TextToNumber{"abc", 0},
                      TextToNumber{"1 2", 12}, TextToNumber{"\t7\n", 7},
                      TextToNumber{" -3.5e2x", -350}, TextToNumber{"1D2", 100},
                      TextToNumber{"1e", 1}, TextToNumber{"1e+", 1}, TextToNumber{"+.5", 0.5},
                      TextToNumber{"2.5.0", 2.5}, TextToNumber{".", 0}, TextToNumber{"-", 0},
                      TextToNumber{"1e-400", 0}, TextToNumber{"0.000e999999999999", 0},
                      TextToNumber{"5e-1", 0.5}));

TEST(LeadingValue, NegativeZeroReadsAsZero) {
    EXPECT_FALSE(std::signbit(calc::LeadingValue("-0")));
}

TEST(LeadingValue, BeyondTheDoubleRangeIsAnOverflow) {
    for (const std::string& text : {std::string("1e999"), std::string("-1e309"),
                                    std::string(400, '9'), std::string("1e99999999999")})
        EXPECT_EQ(ErrorNumberOf([&] { calc::LeadingValue(text); }), CalcError::kOverflow) << text;
}

TEST(StrictValue, TakesOnlyAWholeNumber) {
    EXPECT_DOUBLE_EQ(calc::StrictValue("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(calc::StrictValue(" 2.5 "), 2.5);
    EXPECT_DOUBLE_EQ(calc::StrictValue("1E+20"), 1e20);
    EXPECT_DOUBLE_EQ(calc::StrictValue("-0.025"), -0.025);
    for (const char* text : {"2.5.0", "", " ", "abc", "2e", "2 5", "1,5", ".", "+"})
        EXPECT_EQ(ErrorNumberOf([&] { calc::StrictValue(text); }), CalcError::kTypeMismatch)
            << '"' << text << '"';
}

struct NumberToText {
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const NumberToText& c) {
    return out << c.value;
}

class PlainNumberTextTest : public ::testing::TestWithParam<NumberToText> {};

TEST_P(PlainNumberTextTest, WritesTheShortestFifteenDigitText) {
    EXPECT_EQ(calc::PlainNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PlainNumberTextTest,
    ::testing::Values(NumberToText{100, "100"}, NumberToText{2.5, "2.5"},
                      NumberToText{0.025, "0.025"}, NumberToText{1500000, "1500000"},
                      NumberToText{1e20, "1E+20"}, NumberToText{0.00001, "1E-05"},
                      NumberToText{0, "0"}, NumberToText{-0.0, "0"}, NumberToText{-2.5, "-2.5"},
                      NumberToText{0.0001, "0.0001"}, NumberToText{1e15, "1E+15"},
                      NumberToText{999999999999999, "999999999999999"},
                      NumberToText{1.0 / 3, "0.333333333333333"}, NumberToText{0.1 + 0.2, "0.3"},
                      NumberToText{1.5e-7, "1.5E-07"}, NumberToText{1e100, "1E+100"},
                      NumberToText{-1.25e-300, "-1.25E-300"},
                      NumberToText{999999999999999.9, "1E+15"}));

TEST(PlainNumberText, InfinityAndNaNAreOverflows) {
    for (double value : {std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_EQ(ErrorNumberOf([&] { calc::PlainNumberText(value); }), CalcError::kOverflow);
}

struct FixedPointCase {
    double value;
    std::int64_t tenThousandths;
};

std::ostream& operator<<(std::ostream& out, const FixedPointCase& c) {
    return out << std::setprecision(17) << c.value;
}

class ToFixedPointTest : public ::testing::TestWithParam<FixedPointCase> {};

TEST_P(ToFixedPointTest, KeepsFourDecimalsWithHalvesToEven) {
    EXPECT_EQ(calc::ToFixedPoint(GetParam().value).tenThousandths, GetParam().tenThousandths);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToFixedPointTest,
    ::testing::Values(FixedPointCase{2.5, 25000}, FixedPointCase{1.23456, 12346},
                      FixedPointCase{0.03125, 312}, FixedPointCase{0.09375, 938},
                      FixedPointCase{-0.03125, -312}, FixedPointCase{2.5 * 30.41, 760250},
                      FixedPointCase{1.00015, 10002}, FixedPointCase{0, 0},
                      FixedPointCase{0.00004, 0}, FixedPointCase{0.00005, 0},
                      FixedPointCase{0.00015, 2}, FixedPointCase{9.99995, 100000},
                      FixedPointCase{922337203685477.0, 9223372036854770000},
                      FixedPointCase{-922337203685477.0, -9223372036854770000}));

TEST(ToFixedPoint, OutsideTheRangeIsAnOverflow) {
    for (double value : {922337203685478.0, -922337203685478.0, 1e300,
                         std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_EQ(ErrorNumberOf([&] { calc::ToFixedPoint(value); }), CalcError::kOverflow) << value;
}

struct PatternCase {
    double value;
    Pattern pattern;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const PatternCase& c) {
    return out << c.value << " as " << c.text;
}

class FormatPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, RendersWithHalvesAwayFromZero) {
    EXPECT_EQ(calc::FormatPattern(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatternTest,
    ::testing::Values(
        PatternCase{1234.5, Pattern::Earnings, "$1,234.50"},
        PatternCase{36500000, Pattern::Earnings, "$36,500,000.00"},
        PatternCase{0.5, Pattern::Earnings, "$.50"}, PatternCase{0, Pattern::Earnings, "$.00"},
        PatternCase{1234567.5, Pattern::Earnings, "$1,234,567.50"},
        PatternCase{123, Pattern::Earnings, "$123.00"}, PatternCase{2.5, Pattern::ECPM, "$2.50"},
        PatternCase{12345, Pattern::ECPM, "$12,345.00"}, PatternCase{-5, Pattern::ECPM, "-$5.00"},
        PatternCase{0, Pattern::ECPM, "$.00"}, PatternCase{0.25, Pattern::EPC, "$.25"},
        PatternCase{12.5, Pattern::EPC, "$12.50"}, PatternCase{1234.5, Pattern::EPC, "$1234.50"},
        PatternCase{0.285, Pattern::EPC, "$.29"}, PatternCase{0.025, Pattern::Percent, "2.50%"},
        PatternCase{0.005, Pattern::Percent, ".50%"}, PatternCase{1, Pattern::Percent, "100.00%"},
        PatternCase{3, Pattern::Percent, "300.00%"}, PatternCase{0, Pattern::Percent, ".00%"},
        PatternCase{1.0 / 3, Pattern::Percent, "33.33%"},
        PatternCase{0.00285, Pattern::Percent, ".29%"}, PatternCase{25, Pattern::Clicks, "25.0"},
        PatternCase{2.5, Pattern::Clicks, "2.5"}, PatternCase{12345.67, Pattern::Clicks, "12345.7"},
        PatternCase{0.4, Pattern::Clicks, ".4"}, PatternCase{0, Pattern::Clicks, ".0"},
        PatternCase{0.05, Pattern::Clicks, ".1"}, PatternCase{0.04, Pattern::Clicks, ".0"},
        PatternCase{99.99, Pattern::Clicks, "100.0"}, PatternCase{9.995, Pattern::EPC, "$10.00"},
        PatternCase{-0.001, Pattern::EPC, "$.00"},
        PatternCase{1e20, Pattern::Clicks, "100000000000000000000.0"}));

TEST(FormatPattern, FixedPointRoundsItsExactDecimalsAwayFromZero) {
    EXPECT_EQ(calc::FormatPattern(calc::FixedPoint{760250}, Pattern::Earnings), "$76.03");
    EXPECT_EQ(calc::FormatPattern(calc::FixedPoint{-760250}, Pattern::Earnings), "-$76.03");
    EXPECT_EQ(calc::FormatPattern(calc::FixedPoint{800}, Pattern::EPC), "$.08");
    EXPECT_EQ(calc::FormatPattern(calc::FixedPoint{std::numeric_limits<std::int64_t>::max()},
                                  Pattern::Earnings),
              "$922,337,203,685,477.58");
    EXPECT_EQ(calc::FormatPattern(calc::FixedPoint{std::numeric_limits<std::int64_t>::min()},
                                  Pattern::Earnings),
              "-$922,337,203,685,477.58");
}

TEST(FormatPattern, TextIsTakenAsTheNumberItHolds) {
    EXPECT_EQ(calc::FormatPattern("0.025", Pattern::PercentOfText), "2.50%");
    EXPECT_EQ(calc::FormatPattern("1E-05", Pattern::PercentOfText), ".00%");
}

class CaptionTextTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(CaptionTextTest, AppliesTheFixUpOfThePatternsLabels) {
    EXPECT_EQ(calc::CaptionText(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, CaptionTextTest,
    ::testing::Values(
        PatternCase{0, Pattern::Earnings, "$0.00"}, PatternCase{0.5, Pattern::Earnings, "$.50"},
        PatternCase{-0.5, Pattern::Earnings, "-$.50"}, PatternCase{0, Pattern::ECPM, "$0.00"},
        PatternCase{0, Pattern::EPC, "$0.00"}, PatternCase{0.25, Pattern::EPC, "$.25"},
        PatternCase{0, Pattern::Percent, "0.0%"}, PatternCase{0.005, Pattern::Percent, "0.50%"},
        PatternCase{0.025, Pattern::Percent, "2.50%"}, PatternCase{0, Pattern::Clicks, "0"},
        PatternCase{0.4, Pattern::Clicks, "0.4"}, PatternCase{25, Pattern::Clicks, "25.0"}));

TEST(CaptionText, TakesFixedPointsAndNumberTexts) {
    EXPECT_EQ(calc::CaptionText(calc::FixedPoint{}, Pattern::Earnings), "$0.00");
    EXPECT_EQ(calc::CaptionText(calc::FixedPoint{800}, Pattern::EPC), "$.08");
    EXPECT_EQ(calc::CaptionText("0", Pattern::PercentOfText), "0.0%");
    EXPECT_EQ(calc::CaptionText("0.005", Pattern::PercentOfText), "0.50%");
}

struct CaptionToNumber {
    const char* caption;
    const char* number;
};

std::ostream& operator<<(std::ostream& out, const CaptionToNumber& c) {
    return out << ::testing::PrintToString(std::string(c.caption));
}

class CaptionNumberTest : public ::testing::TestWithParam<CaptionToNumber> {};

TEST_P(CaptionNumberTest, IsAPlainNumber) {
    EXPECT_EQ(calc::CaptionNumber(GetParam().caption), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionNumberTest,
    ::testing::Values(CaptionToNumber{"$1,095.00", "1095.00"}, CaptionToNumber{"2.50%", "2.50"},
                      CaptionToNumber{"0.0%", "0.0"}, CaptionToNumber{"$.25", "0.25"},
                      CaptionToNumber{"-$.50", "-0.50"}, CaptionToNumber{"0", "0"},
                      CaptionToNumber{"1E-05", "1E-05"}));

// Figures are read and written the same way whatever the user's regional settings.
TEST(Conversions, IgnoreTheProcessLocale) {
    const CommaDecimalLocale commaDecimal;
    if (commaDecimal.name().empty())
        GTEST_SKIP() << "no comma-decimal locale installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_DOUBLE_EQ(calc::LeadingValue("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(calc::LeadingValue("1,5"), 1);
    EXPECT_DOUBLE_EQ(calc::StrictValue("2.5"), 2.5);
    EXPECT_EQ(calc::PlainNumberText(2.5), "2.5");
    EXPECT_EQ(calc::FormatPattern(1234.5, Pattern::Earnings), "$1,234.50");
    EXPECT_EQ(calc::ToFixedPoint(1.23456).tenThousandths, 12346);
}

} // namespace
