// SPDX-License-Identifier: MIT
// A figure as people write it: what the one reader takes, and the sentence for what it does not.
#include "calc/figure_reading.h"

#include <gtest/gtest.h>

namespace {

using calc::Notation;

constexpr calc::FigureForm kWhole{0, 0, 0, 100, "a whole number from 0 to 100"};
constexpr calc::FigureForm kAmount{'$', 2, 1, 100000000, "an amount from $0.01"};
constexpr calc::FigureForm kPercent{'%', 1, 0, 1000, "a percentage from 0 to 100"};
constexpr calc::FigureForm kSigned{'%', 2, -9999, 100000, "a percentage above -100"};
constexpr calc::FigureForm kTyped{};
constexpr auto kPoint = Notation::DecimalPoint;
constexpr auto kComma = Notation::DecimalComma;

struct ReadingRow {
    const char* name;
    std::string text;
    calc::FigureForm form;
    Notation notation;
    std::string plain;      // the figure taken, or empty
    std::int64_t count = 0; // or what is wrong, when nothing is taken
    std::string wrong = {};
};

std::ostream& operator<<(std::ostream& out, const ReadingRow& row) {
    return out << row.name;
}

class FigureReadingTest : public ::testing::TestWithParam<ReadingRow> {};

TEST_P(FigureReadingTest, TakesWhatPeopleWriteAndSaysWhatIsWrong) {
    const ReadingRow& row = GetParam();
    const auto read = calc::ReadFigureText(row.text, row.form, row.notation, "x");
    if (const auto* refusal = std::get_if<calc::FigureRefusal>(&read)) {
        EXPECT_EQ(refusal->sentence, "x \"" + row.text + "\": " + row.wrong + ".");
        return;
    }
    EXPECT_EQ(std::get<calc::ReadFigure>(read).plain, row.plain);
    EXPECT_EQ(std::get<calc::ReadFigure>(read).count, row.count);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FigureReadingTest,
    ::testing::Values(
        ReadingRow{"BlanksAroundAndWithin", " \t1 00 ", kWhole, kPoint, "100", 100},
        ReadingRow{"LeadingZeros", "0100", kWhole, kPoint, "100", 100},
        ReadingRow{"Zero", "00", kWhole, kPoint, "0", 0},
        ReadingRow{"ZeroBeforeThePoint", "0.5", kAmount, kPoint, ".5", 50},
        ReadingRow{"ThousandsSeparators", "1,000,000.5", kTyped, kPoint, "1000000.5"},
        ReadingRow{"DollarBeforeAnAmount", "$1,000.03", kAmount, kPoint, "1000.03", 100003},
        ReadingRow{"PercentAfterAPercentage", "2.5%", kPercent, kPoint, "2.5", 25},
        ReadingRow{"SignWhereTheRangeGoesBelowZero", "-5.5%", kSigned, kPoint, "-5.5", -550},
        ReadingRow{"DecimalCommaFile", "1.000,5", kAmount, kComma, "1000.5", 100050},
        ReadingRow{"NothingButUnitsAndMarks", "$.%", kAmount, kPoint, "", 0, "there is no digit"},
        ReadingRow{"SignOnACount", "-5", kWhole, kPoint, "", 0, "it cannot be below 0"},
        ReadingRow{"DollarOnACount", "$5", kWhole, kPoint, "", 0, "only an amount takes a \"$\""},
        ReadingRow{"PercentOnAnAmount", "5%", kAmount, kPoint, "", 0,
                   "only a percentage takes a \"%\""},
        ReadingRow{"WholeCharacterNamed", "1\xc3\xa9", kTyped, kPoint, "", 0,
                   "\"\xc3\xa9\" is not part of a number"},
        ReadingRow{"TwoPoints", "1.2.3", kTyped, kPoint, "", 0, "there is more than one \".\""},
        ReadingRow{"SeparatorAfterThePoint", "1.000,5", kTyped, kPoint, "", 0,
                   "a thousands separator cannot stand after the \".\""},
        ReadingRow{"SeparatorBeforeTwoDigits", "1,00", kTyped, kPoint, "", 0,
                   "a thousands separator must be followed by three digits"},
        ReadingRow{"SeparatorFirst", ",100", kTyped, kPoint, "", 0,
                   "a thousands separator must follow a digit"},
        ReadingRow{"SeparatorAfterFourDigits", "1000,000", kTyped, kPoint, "", 0,
                   "thousands separators must stand every three digits"},
        ReadingRow{"TooManyDecimals", "2.55", kPercent, kPoint, "", 0,
                   "it must be a percentage from 0 to 100"},
        ReadingRow{"OutsideTheRange", "$0.00", kAmount, kPoint, "", 0,
                   "it must be an amount from $0.01"},
        ReadingRow{"BeyondAnyCount", "99999999999999999999", kWhole, kPoint, "", 0,
                   "it must be a whole number from 0 to 100"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
