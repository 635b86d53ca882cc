// SPDX-License-Identifier: MIT
// The chart's axes: dollar ticks at round amounts and month labels with room to stand.
#include "planning/chart_axis.h"

#include <gtest/gtest.h>

namespace {

const auto kByName = [](const auto& info) {
    return std::string(info.param.name);
};

struct TicksRow {
    const char* name;
    std::int64_t top; // cents
    int most;
    const char* ticks; // in cents
};

class DollarTicksTest : public ::testing::TestWithParam<TicksRow> {};

TEST_P(DollarTicksTest, RoundStepsFromZeroPastTheTop) {
    std::string ticks;
    for (const std::int64_t tick : planning::DollarTicks(GetParam().top, GetParam().most))
        ticks += (ticks.empty() ? "" : " ") + std::to_string(tick);
    EXPECT_EQ(ticks, GetParam().ticks);
}

constexpr std::int64_t kE16 = 10'000'000'000'000'000;

INSTANTIATE_TEST_SUITE_P(
    Ticks, DollarTicksTest,
    ::testing::Values(TicksRow{"CentsAboveARoundTop", 100003, 5, "0 50000 100000 150000"},
                      TicksRow{"TopOnATick", 100000, 5, "0 50000 100000"},
                      TicksRow{"TwoTimesAPower", 70, 5, "0 20 40 60 80"},
                      TicksRow{"FinestThatFits", 150, 5, "0 50 100 150"},
                      TicksRow{"Cents", 40, 5, "0 10 20 30 40"},
                      TicksRow{"NothingScalesToADollar", 0, 5, "0 50 100"},
                      TicksRow{"BelowZeroAsNothing", -500, 5, "0 50 100"},
                      TicksRow{"AtLeastTwoTicks", 100003, 0, "0 200000"},
                      TicksRow{"AQuadrillionDollars", 10 * kE16, 3,
                               "0 50000000000000000 100000000000000000"},
                      TicksRow{"LargestStep", 99 * kE16 + 1, 2, "0 1000000000000000000"},
                      TicksRow{"BeyondLargestTop", INT64_MAX, 5,
                               "0 1000000000000000000 2000000000000000000 3000000000000000000 "
                               "4000000000000000000 5000000000000000000 6000000000000000000 "
                               "7000000000000000000 8000000000000000000 9000000000000000000"}),
    kByName);

struct TickTextRow {
    const char* name;
    std::int64_t cents;
    std::int64_t step;
    const char* text;
};

class DollarTickTextTest : public ::testing::TestWithParam<TickTextRow> {};

TEST_P(DollarTickTextTest, DollarsGroupedCentsOnlyForSmallSteps) {
    EXPECT_EQ(planning::DollarTickText(GetParam().cents, GetParam().step), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(TickTexts, DollarTickTextTest,
                         ::testing::Values(TickTextRow{"Zero", 0, 50000, "$0"},
                                           TickTextRow{"ThreeDigits", 50000, 50000, "$500"},
                                           TickTextRow{"Thousands", 100000, 50000, "$1,000"},
                                           TickTextRow{"Millions", 123456700, 100, "$1,234,567"},
                                           TickTextRow{"CentsOfASmallStep", 250, 50, "$2.50"},
                                           TickTextRow{"ZeroAmongCents", 0, 50, "$0.00"},
                                           TickTextRow{"OneCent", 5, 1, "$0.05"},
                                           TickTextRow{"GroupedWithCents", 123456789, 1,
                                                       "$1,234,567.89"},
                                           TickTextRow{"LargestTick", 900 * kE16, 100 * kE16,
                                                       "$90,000,000,000,000,000"}),
                         kByName);

struct LabelsRow {
    const char* name;
    int months;
    planning::LabelRoom room;
    const char* labels; // "month:text ..."
};

class MonthLabelsTest : public ::testing::TestWithParam<LabelsRow> {};

TEST_P(MonthLabelsTest, RoundStepsThatFit) {
    std::string labels;
    for (const auto& [month, text] : planning::MonthLabels(GetParam().months, GetParam().room))
        labels += (labels.empty() ? "" : " ") + std::to_string(month) + ":" + text;
    EXPECT_EQ(labels, GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, MonthLabelsTest,
    ::testing::Values(
        LabelsRow{"OneMonth", 1, {1, 1}, "1:1"}, LabelsRow{"NoRoom", 12, {0, 0}, ""},
        LabelsRow{"SevenEveryThird", 7, {3, 3}, "1:1 4:4 7:7"},
        LabelsRow{
            "TwelveEach", 12, {12, 12}, "1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 9:9 10:10 11:11 12:12"},
        LabelsRow{"TwoYearsHalfYears", 24, {5, 5}, "1:1 7:7 13:13 19:19"},
        LabelsRow{"TwoYearsByTheYear", 24, {2, 2}, "1:1 13:13"},
        LabelsRow{"MonthOneAlone", 24, {1, 1}, "1:1"},
        LabelsRow{"PastTwoYearsInYears", 25, {20, 3}, "12:Year 1 24:Year 2"},
        LabelsRow{"ShortYearsWhereLongDoNotFit", 25, {3, 2}, "12:Y1 24:Y2"},
        LabelsRow{"EverySecondYear", 60, {3, 1}, "24:Y2 48:Y4"},
        LabelsRow{"TenYearsInWords",
                  120,
                  {10, 10},
                  "12:Year 1 24:Year 2 36:Year 3 48:Year 4 60:Year 5 72:Year 6 84:Year 7 "
                  "96:Year 8 108:Year 9 120:Year 10"},
        LabelsRow{"TenYearsShort",
                  120,
                  {10, 9},
                  "12:Y1 24:Y2 36:Y3 48:Y4 60:Y5 72:Y6 84:Y7 96:Y8 108:Y9 120:Y10"},
        LabelsRow{"TenYearsByFive", 120, {4, 2}, "60:Y5 120:Y10"},
        LabelsRow{"TenYearsOneLabel", 120, {1, 0}, "120:Y10"}),
    kByName);

} // namespace
