// SPDX-License-Identifier: MIT
// Plans: the least figures that reach a goal as the window shows it, the months of a growing
// traffic, and every refusal. The random cases hold the plan against the calculator itself.
#include "figure_entry.h"
#include "plan.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using calc::PlanInput;
using calc::RefusalKind;

// The texts in the order of the inputs: goal, impressions, page views, ads per page, fill
// rate, CTR, eCPM, growth, months; "" is not given.
using Texts = std::array<const char*, calc::kAllPlanInputs.size()>;

calc::PlanTexts TextsOf(const Texts& texts, calc::Period per = calc::Period::Month,
                        calc::Solve solve = calc::Solve::Impressions) {
    calc::PlanTexts plan{{}, per, solve};
    for (const PlanInput input : calc::kAllPlanInputs)
        plan[input] = texts[static_cast<std::size_t>(input)];
    return plan;
}

calc::Plan PlanOf(const calc::PlanTexts& texts) {
    calc::PlanAnswer answer = calc::MakePlan(texts);
    if (const auto* refusal = std::get_if<calc::PlanRefusal>(&answer))
        ADD_FAILURE() << refusal->sentence;
    return std::get_if<calc::Plan>(&answer) ? std::get<calc::Plan>(answer) : calc::Plan{};
}

struct GoalRow {
    const char* name;
    Texts texts;
    calc::Period per;
    calc::Solve solve;
    std::array<const char*, calc::kNeededResults.size()> needed; // null: not given
};

std::ostream& operator<<(std::ostream& out, const GoalRow& row) {
    return out << row.name;
}

class PlanGoalTest : public ::testing::TestWithParam<GoalRow> {};

TEST_P(PlanGoalTest, NeedsTheLeastFiguresThatReachTheGoal) {
    const GoalRow& row = GetParam();
    const calc::Plan plan = PlanOf(TextsOf(row.texts, row.per, row.solve));
    for (const calc::NeededResult& result : calc::kNeededResults) {
        const char* expected = row.needed[static_cast<std::size_t>(result.needed)];
        EXPECT_EQ(plan[result.needed].value_or("(none)"), expected ? expected : "(none)")
            << result.field;
    }
}

constexpr auto kDay = calc::Period::Day;
constexpr auto kWeek = calc::Period::Week;
constexpr auto kMonth = calc::Period::Month;
constexpr auto kYear = calc::Period::Year;
constexpr auto kForImpressions = calc::Solve::Impressions;
constexpr auto kForEcpm = calc::Solve::ECPM;

// 9994 impressions earn $9.994 a day, shown $9.99; 9995 earn $9.995, shown $10.00.
INSTANTIATE_TEST_SUITE_P(
    Goals, PlanGoalTest,
    ::testing::Values(GoalRow{"Month",
                              {"1000", "", "", "", "", "2.5", "2.5", "", ""},
                              kMonth,
                              kForImpressions,
                              {"13154", nullptr, "328.9", nullptr}},
                      GoalRow{"DayReachedAsShown",
                              {"10", "", "", "", "", "1", "1", "", ""},
                              kDay,
                              kForImpressions,
                              {"9995", nullptr, "100.0", nullptr}},
                      GoalRow{"Week",
                              {"70", "", "", "", "", "1", "1", "", ""},
                              kWeek,
                              kForImpressions,
                              {"10000", nullptr, "100.0", nullptr}},
                      GoalRow{"Year",
                              {"$365.00", "", "", "", "", "0.1", "1", "", ""},
                              kYear,
                              kForImpressions,
                              {"1000", nullptr, "1.0", nullptr}},
                      GoalRow{"BeyondTheBoxes",
                              {"1000000", "", "", "", "", "2.5", "2.5", "", ""},
                              kMonth,
                              kForImpressions,
                              {"13153568", nullptr, "328839.2", nullptr}},
                      GoalRow{"PageViews",
                              {"1000", "", "", "3", "85.5", "2.5", "2.5", "", ""},
                              kMonth,
                              kForImpressions,
                              {"13154", "5129", "328.9", nullptr}},
                      GoalRow{"Ecpm",
                              {"1000", "10000", "", "", "", "2.5", "", "", ""},
                              kMonth,
                              kForEcpm,
                              {nullptr, nullptr, nullptr, "$3.29"}},
                      GoalRow{"EcpmFromPageViews",
                              {"1000", "", "5000", "2", "", "2.5", "9", "", ""},
                              kMonth,
                              kForEcpm,
                              {nullptr, nullptr, nullptr, "$3.29"}},
                      GoalRow{"NoGoal",
                              {"", "", "5000", "2", "50", "2.5", "2", "", ""},
                              kMonth,
                              kForImpressions,
                              {nullptr, nullptr, nullptr, nullptr}}));

struct RefusalRow {
    const char* name;
    Texts texts;
    calc::Solve solve;
    RefusalKind kind;
    PlanInput input;
};

std::ostream& operator<<(std::ostream& out, const RefusalRow& row) {
    return out << row.name;
}

class PlanRefusalTest : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(PlanRefusalTest, RefusesWithOneSentence) {
    const RefusalRow& row = GetParam();
    const calc::PlanAnswer answer = calc::MakePlan(TextsOf(row.texts, kDay, row.solve));
    const auto* refusal = std::get_if<calc::PlanRefusal>(&answer);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->kind, row.kind);
    EXPECT_EQ(refusal->input, row.input);
    EXPECT_TRUE(refusal->sentence.ends_with('.')) << refusal->sentence;
}

constexpr auto kBad = RefusalKind::BadInput;
constexpr auto kUnreachable = RefusalKind::Unreachable;
constexpr auto kBeyond = RefusalKind::BeyondRange;

// A goal a day, so that the year can leave the range.

INSTANTIATE_TEST_SUITE_P(
    Refusals, PlanRefusalTest,
    ::testing::Values(RefusalRow{"GoalNotANumber",
                                 {"1e3", "", "", "", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::Goal},
                      RefusalRow{"GoalZero",
                                 {"0.00", "", "", "", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::Goal},
                      RefusalRow{"GoalThirdDecimal",
                                 {"1.005", "", "", "", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::Goal},
                      RefusalRow{"ImpressionsBeyondCount",
                                 {"", "1000000000000000", "", "", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::Impressions},
                      RefusalRow{"NegativePageViews",
                                 {"", "", "-5", "", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::PageViews},
                      RefusalRow{"AdsAbove100",
                                 {"", "", "5", "101", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::AdsPerPage},
                      RefusalRow{"FillAbove100",
                                 {"", "", "5", "", "100.01", "2", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::FillRate},
                      RefusalRow{"CtrTwoDecimals",
                                 {"1", "", "", "", "", "2.55", "2", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::CTR},
                      RefusalRow{"EcpmFifthDecimal",
                                 {"1", "", "", "", "", "2", "0.00001", "", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::ECPM},
                      RefusalRow{"GrowthMinus100",
                                 {"", "5", "", "", "", "2", "2", "-100", ""},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::Growth},
                      RefusalRow{"Months121",
                                 {"", "5", "", "", "", "2", "2", "5", "121"},
                                 kForImpressions,
                                 kBad,
                                 PlanInput::Months},
                      RefusalRow{"ImpressionsAndPageViews",
                                 {"", "5", "5", "", "", "2", "2", "", ""},
                                 kForImpressions,
                                 RefusalKind::Conflict,
                                 PlanInput::PageViews},
                      RefusalRow{"NothingToPlan",
                                 {"", "", "", "", "", "2", "2", "5", ""},
                                 kForImpressions,
                                 RefusalKind::Missing,
                                 PlanInput::Goal},
                      RefusalRow{"EcpmWithoutTraffic",
                                 {"1", "", "", "", "", "2", "", "", ""},
                                 kForEcpm,
                                 RefusalKind::Missing,
                                 PlanInput::Impressions},
                      RefusalRow{"NoCtr",
                                 {"1", "", "", "", "", "", "2", "", ""},
                                 kForImpressions,
                                 kUnreachable,
                                 PlanInput::CTR},
                      RefusalRow{"NoEcpm",
                                 {"1", "", "", "", "", "2", "0", "", ""},
                                 kForImpressions,
                                 kUnreachable,
                                 PlanInput::ECPM},
                      RefusalRow{"NoAds",
                                 {"1", "", "", "0", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kUnreachable,
                                 PlanInput::AdsPerPage},
                      RefusalRow{"NoFill",
                                 {"1", "", "", "", "0", "2", "2", "", ""},
                                 kForImpressions,
                                 kUnreachable,
                                 PlanInput::FillRate},
                      RefusalRow{"EcpmForNoImpressions",
                                 {"1", "0", "", "", "", "2", "", "", ""},
                                 kForEcpm,
                                 kUnreachable,
                                 PlanInput::Impressions},
                      RefusalRow{"ImpressionsBeyondRange",
                                 {"9999999999999.99", "", "", "", "", "2", "0.0001", "", ""},
                                 kForImpressions,
                                 kBeyond,
                                 PlanInput::Goal},
                      RefusalRow{"PageViewsBeyondRange",
                                 {"10000000000", "", "", "", "0.01", "100", "1", "", ""},
                                 kForImpressions,
                                 kBeyond,
                                 PlanInput::Goal},
                      RefusalRow{"EcpmBeyondRange",
                                 {"9999999999999", "1", "", "", "", "100", "", "", ""},
                                 kForEcpm,
                                 kBeyond,
                                 PlanInput::Goal},
                      RefusalRow{"YearBeyondRange",
                                 {"9000000000000", "", "", "", "", "100", "99999999999", "", ""},
                                 kForImpressions,
                                 kBeyond,
                                 PlanInput::Goal},
                      RefusalRow{"PageViewsMakeTooMany",
                                 {"", "", "999999999999999", "2", "", "2", "2", "", ""},
                                 kForImpressions,
                                 kBeyond,
                                 PlanInput::PageViews},
                      RefusalRow{"GrowthBeyondRange",
                                 {"", "999999999999999", "", "", "", "2", "2", "1000", "2"},
                                 kForImpressions,
                                 kBeyond,
                                 PlanInput::Growth}));

struct GrowthRow {
    const char* name;
    Texts texts;
    const char* impressions; // each month's, joined by blanks
    const char* lastTotal;
};

std::ostream& operator<<(std::ostream& out, const GrowthRow& row) {
    return out << row.name;
}

class PlanGrowthTest : public ::testing::TestWithParam<GrowthRow> {};

TEST_P(PlanGrowthTest, GrowsToTheNearestImpressionHalvesUp) {
    const GrowthRow& row = GetParam();
    const calc::Plan plan = PlanOf(TextsOf(row.texts));
    std::string impressions;
    for (const calc::PlanMonth& month : plan.months)
        impressions += (impressions.empty() ? "" : " ") + month[calc::MonthColumn::Impressions];
    EXPECT_EQ(impressions, row.impressions);
    ASSERT_FALSE(plan.months.empty());
    EXPECT_EQ(plan.months.back()[calc::MonthColumn::Total], row.lastTotal);
}

// 10 × 1.05 = 10.5 goes up to 11; 10 × 0.85 = 8.5 goes up to 9; 1 × 0.4 goes down to 0, which
// earns nothing; without impressions given the months start from the needed ones.
INSTANTIATE_TEST_SUITE_P(
    Months, PlanGrowthTest,
    ::testing::Values(
        GrowthRow{
            "HalvesUp", {"", "10", "", "", "", "10", "1000", "5", "3"}, "10 11 12", "$1,003.53"},
        GrowthRow{
            "Shrinking", {"", "10", "", "", "", "10", "1000", "-15", "3"}, "10 9 8", "$821.07"},
        GrowthRow{"DownToNone", {"", "1", "", "", "", "10", "1000", "-60", "2"}, "1 0", "$30.41"},
        GrowthRow{"HundredthsOfAPercent",
                  {"", "100", "", "", "", "1", "1", "0.5", "2"},
                  "100 101",
                  "$6.11"},
        GrowthRow{"FromTheNeeded",
                  {"1000", "", "", "", "", "2.5", "2.5", "10", "2"},
                  "13154 14469",
                  "$2,100.04"},
        GrowthRow{
            "FromPageViews", {"", "", "1001", "", "50", "1", "1", "0", "1"}, "500", "$15.21"}));

// What the window's calculator shows for the figures, pasted into its boxes.
calc::Captions WindowCaptions(std::int64_t impressions, const std::string& ctr,
                              const std::string& ecpm) {
    calc::TypedFigures figures;
    figures[calc::Figure::Impressions] = std::to_string(impressions);
    figures[calc::Figure::CTR] = ctr;
    figures[calc::Figure::ECPM] = ecpm;
    return std::get<calc::Captions>(calc::PasteFigures(figures));
}

std::int64_t Cents(const std::string& caption) {
    std::string digits;
    for (const char c : caption) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    return std::stoll(digits);
}

std::string Decimal(std::int64_t hundredths) {
    const std::string fraction = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + (fraction.size() < 2 ? ".0" : ".") + fraction;
}

// The window shows the goal reached at the needed impressions and missed at one fewer, for
// every period and for CTRs, eCPMs and goals over many magnitudes; the month table shows the
// window's clicks and monthly earnings at each month's impressions, and sums what it shows.
TEST(PlanAgainstTheWindow, ReachesTheGoalExactlyAtTheNeededFigures) {
    std::mt19937 random(25);
    const auto pick = [&](std::uint32_t most) {
        return random() % most;
    };
    for (int run = 0; run < 300; ++run) {
        const auto per = calc::kAllPeriods[pick(4)];
        const std::string ctr = std::to_string(pick(100)) + "." + std::to_string(1 + pick(9));
        const std::string ecpm = Decimal(1 + pick(1u << (4 + pick(20))));
        const std::string goal = Decimal(1 + pick(1u << (4 + pick(27))));
        calc::PlanTexts texts =
            TextsOf({goal.c_str(), "", "", "", "", ctr.c_str(), ecpm.c_str(), "5", "12"}, per);
        const calc::Plan plan = PlanOf(texts);
        ASSERT_TRUE(plan.neededImpressions) << goal << " " << ctr << " " << ecpm;
        const auto amountAt = [&](std::int64_t impressions) {
            return Cents(WindowCaptions(
                impressions, ctr, ecpm)[static_cast<std::size_t>(calc::EarningsCaption(per))]);
        };
        const std::int64_t needed = *plan.neededImpressions;
        SCOPED_TRACE(goal + " a " + calc::PeriodName(per) + " at " + ctr + " % and $" + ecpm);
        EXPECT_GE(amountAt(needed), Cents(goal));
        EXPECT_LT(amountAt(needed - 1), Cents(goal));

        std::int64_t total = 0;
        for (const calc::PlanMonth& month : plan.months) {
            const calc::Captions window = WindowCaptions(month.impressions, ctr, ecpm);
            EXPECT_EQ(month[calc::MonthColumn::Clicks],
                      window[static_cast<std::size_t>(calc::Caption::ProjectedClicks)]);
            EXPECT_EQ(month[calc::MonthColumn::Monthly],
                      window[static_cast<std::size_t>(calc::Caption::MonthlyEarnings)]);
            total += Cents(month[calc::MonthColumn::Monthly]);
            EXPECT_EQ(Cents(month[calc::MonthColumn::Total]), total);
        }

        texts[PlanInput::Impressions] = std::to_string(needed);
        texts.solve = calc::Solve::ECPM;
        const calc::Plan ecpmPlan = PlanOf(texts);
        ASSERT_TRUE(ecpmPlan.neededEcpm);
        const std::int64_t cents = ecpmPlan.neededEcpm->tenThousandths / 100;
        const auto amountFor = [&](std::int64_t ecpmCents) {
            return Cents(WindowCaptions(
                needed, ctr,
                Decimal(ecpmCents))[static_cast<std::size_t>(calc::EarningsCaption(per))]);
        };
        EXPECT_GE(amountFor(cents), Cents(goal));
        EXPECT_LT(amountFor(cents - 1), Cents(goal));
    }
}

} // namespace
