// SPDX-License-Identifier: MIT
// Plans: the least figures that reach a goal as the window shows it, the months of a growing
// traffic, and every refusal. The random cases hold the plan against the calculator itself.
#include "calc/figure_entry.h"
#include "planning/plan.h"
#include "tests/planning/plan_texts.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

using planning::PlanInput;
using planning::RefusalKind;

planning::Plan PlanOf(const planning::PlanTexts& texts) {
    planning::PlanAnswer answer = planning::MakePlan(texts);
    if (const auto* refusal = std::get_if<planning::PlanRefusal>(&answer))
        ADD_FAILURE() << refusal->sentence;
    return std::get_if<planning::Plan>(&answer) ? std::get<planning::Plan>(answer)
                                                : planning::Plan{};
}

struct PlanRow {
    const char* name;
    const char* given;
    const char* shown;      // the needed figures, or each month's impressions; "-": none
    const char* total = ""; // the month table's last total
};

std::ostream& operator<<(std::ostream& out, const PlanRow& row) {
    return out << row.name;
}

class PlanGoalTest : public ::testing::TestWithParam<PlanRow> {};

TEST_P(PlanGoalTest, NeedsTheLeastFiguresThatReachTheGoal) {
    const planning::Plan plan = PlanOf(TextsOf(GetParam().given));
    std::string needed;
    for (const planning::PlanResultFacts& result : planning::kPlanResults) {
        if (result.block == planning::ResultBlock::Needed)
            needed += (needed.empty() ? "" : " ") + plan[result.result].value_or("-");
    }
    EXPECT_EQ(needed, GetParam().shown);
}

// 9994 impressions earn $9.994 a day, shown $9.99; 9995 earn $9.995, shown $10.00.
INSTANTIATE_TEST_SUITE_P(
    Goals, PlanGoalTest,
    ::testing::Values(
        PlanRow{"Month", "goal=1000 ctr=2.5 ecpm=2.5", "13154 - 328.9 - -"},
        PlanRow{"DayReachedAsShown", "goal=10 per=day ctr=1 ecpm=1", "9995 - 100.0 - -"},
        PlanRow{"Week", "goal=70 per=week ctr=1 ecpm=1", "10000 - 100.0 - -"},
        PlanRow{"CtrHundredths", "goal=10 per=day ctr=0.35 ecpm=1", "9995 - 35.0 - -"},
        PlanRow{"Year", "goal=$365.00 per=year ctr=0.1 ecpm=1", "1000 - 1.0 - -"},
        PlanRow{"BeyondTheBoxes", "goal=1000000 ctr=2.5 ecpm=2.5", "13153568 - 328839.2 - -"},
        PlanRow{"PageViews", "goal=1000 ads_per_page=3 fill_rate=85.5 ctr=2.5 ecpm=2.5",
                "13154 5129 328.9 - -"},
        PlanRow{"Ecpm", "goal=1000 solve=ecpm impressions=10000 ctr=2.5", "- - - $3.29 -"},
        PlanRow{"EcpmFromPageViews", "goal=1000 solve=ecpm pageviews=5000 ads_per_page=2 ctr=2.5",
                "- - - $3.29 -"},
        PlanRow{"PageViewsAlone", "goal=1000 pageviews=5000 ctr=2.5 ecpm=2.5",
                "13154 13154 328.9 - -"},
        PlanRow{"NoGoal", "pageviews=5000 ads_per_page=2 fill_rate=50 ctr=2.5 ecpm=2", "- - - - -"},
        PlanRow{"PageViewsMakeTheMost", "pageviews=999999999999999", "- - - - -"}));

struct RefusalRow {
    const char* name;
    std::string given;
    RefusalKind kind;
    PlanInput input;
};

std::ostream& operator<<(std::ostream& out, const RefusalRow& row) {
    return out << row.name;
}

class PlanRefusalTest : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(PlanRefusalTest, RefusesWithOneSentence) {
    const planning::PlanAnswer answer = planning::MakePlan(TextsOf(GetParam().given));
    const auto* refusal = std::get_if<planning::PlanRefusal>(&answer);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->kind, GetParam().kind);
    EXPECT_EQ(refusal->input, GetParam().input);
    EXPECT_TRUE(refusal->sentence.ends_with('.')) << refusal->sentence;
}

constexpr auto kBad = RefusalKind::BadInput;
constexpr auto kUnreachable = RefusalKind::Unreachable;
constexpr auto kBeyond = RefusalKind::BeyondRange;
const std::string kMost = "999999999999999";

// A year is 365 days: a day's goal near the range makes a year beyond it.
INSTANTIATE_TEST_SUITE_P(
    Refusals, PlanRefusalTest,
    ::testing::Values(
        RefusalRow{"GoalNotANumber", "goal=1e3 ctr=2 ecpm=2", kBad, PlanInput::Goal},
        RefusalRow{"GoalZero", "goal=0.00 ctr=2 ecpm=2", kBad, PlanInput::Goal},
        RefusalRow{"GoalThirdDecimal", "goal=1.005 ctr=2 ecpm=2", kBad, PlanInput::Goal},
        RefusalRow{"ImpressionsBeyond", "impressions=1" + kMost, kBad, PlanInput::Impressions},
        RefusalRow{"NegativePageViews", "pageviews=-5", kBad, PlanInput::PageViews},
        RefusalRow{"AdsAbove100", "pageviews=5 ads_per_page=101", kBad, PlanInput::AdsPerPage},
        RefusalRow{"FillAbove100", "pageviews=5 fill_rate=100.01", kBad, PlanInput::FillRate},
        RefusalRow{"CtrThreeDecimals", "goal=1 ctr=2.555 ecpm=2", kBad, PlanInput::CTR},
        RefusalRow{"CtrOnlyAPercentSign", "goal=1 ctr=% ecpm=2", kBad, PlanInput::CTR},
        RefusalRow{"EcpmFifthDecimal", "goal=1 ctr=2 ecpm=0.00001", kBad, PlanInput::ECPM},
        RefusalRow{"GrowthMinus100", "impressions=5 growth=-100", kBad, PlanInput::Growth},
        RefusalRow{"Months121", "impressions=5 growth=5 months=121", kBad, PlanInput::Months},
        RefusalRow{"ImpressionsAndPageViews", "impressions=5 pageviews=5", RefusalKind::Conflict,
                   PlanInput::PageViews},
        RefusalRow{"NothingToPlan", "ctr=2 ecpm=2 growth=5", RefusalKind::Missing, PlanInput::Goal},
        RefusalRow{"EcpmWithoutTraffic", "goal=1 solve=ecpm ctr=2", RefusalKind::Missing,
                   PlanInput::Impressions},
        RefusalRow{"NoCtr", "goal=1 ecpm=2", kUnreachable, PlanInput::CTR},
        RefusalRow{"CpcAndEcpm", "impressions=1 ctr=1 ecpm=2 cpc=1", RefusalKind::Conflict,
                   PlanInput::CPC},
        RefusalRow{"CpcSolvingForTheEcpm", "goal=1 solve=ecpm impressions=1 ctr=1 cpc=1",
                   RefusalKind::Conflict, PlanInput::CPC},
        RefusalRow{"CpcMakesTooMuch", "impressions=1 ctr=100 cpc=99999999999", kBeyond,
                   PlanInput::CPC},
        RefusalRow{"CpcPaidPerImpression", "impressions=1 ctr=1 cpc=1 paid=impression",
                   RefusalKind::Conflict, PlanInput::CPC},
        RefusalRow{"CpcWithoutTraffic", "goal=1 solve=cpc ctr=2", RefusalKind::Missing,
                   PlanInput::Impressions},
        RefusalRow{"NoEcpm", "goal=1 ctr=2 ecpm=0", kUnreachable, PlanInput::ECPM},
        RefusalRow{"NoAds", "goal=1 ads_per_page=0 ctr=2 ecpm=2", kUnreachable,
                   PlanInput::AdsPerPage},
        RefusalRow{"NoFill", "goal=1 fill_rate=0 ctr=2 ecpm=2", kUnreachable, PlanInput::FillRate},
        RefusalRow{"EcpmForNoImpressions", "goal=1 solve=ecpm impressions=0 ctr=2", kUnreachable,
                   PlanInput::Impressions},
        RefusalRow{"ImpressionsBeyondRange", "goal=9999999999999.99 per=day ctr=2 ecpm=0.0001",
                   kBeyond, PlanInput::Goal},
        RefusalRow{"PageViewsBeyondRange", "goal=10000000000 per=day fill_rate=0.01 ctr=100 ecpm=1",
                   kBeyond, PlanInput::Goal},
        RefusalRow{"EcpmBeyondRange", "goal=9999999999999 solve=ecpm impressions=1 ctr=100",
                   kBeyond, PlanInput::Goal},
        RefusalRow{"YearBeyondRange", "goal=9000000000000 per=day ctr=100 ecpm=99999999999",
                   kBeyond, PlanInput::Goal},
        RefusalRow{"PageViewsMakeTooMany", "pageviews=" + kMost + " ads_per_page=2", kBeyond,
                   PlanInput::PageViews},
        RefusalRow{"GrowthBeyondRange", "impressions=" + kMost + " growth=1000 months=2", kBeyond,
                   PlanInput::Growth},
        RefusalRow{"TotalBeyondRange",
                   "impressions=1000000000000 ctr=100 ecpm=1000 growth=0 months=120", kBeyond,
                   PlanInput::Growth}));

// What a plan's pay and share add: each "field=shown" of the expected, by the field's name among
// the plan's results and the nine captions, or "months:field" for the months' cells.
class PlanPayTest : public ::testing::TestWithParam<PlanRow> {};

TEST_P(PlanPayTest, ShowsWhatThePayMakes) {
    const planning::Plan plan = PlanOf(TextsOf(GetParam().given));
    std::istringstream expected(GetParam().shown);
    for (std::string pair; expected >> pair;) {
        const std::string field = pair.substr(0, pair.find('='));
        std::optional<std::string> shown;
        for (const planning::PlanResultFacts& result : planning::kPlanResults) {
            if (field == result.field)
                shown = plan[result.result];
        }
        for (const calc::Result& result : calc::kResults) {
            if (field == result.field)
                shown = plan.figures[static_cast<std::size_t>(result.caption)];
        }
        for (const planning::MonthField& column : planning::kMonthFields) {
            for (const planning::PlanMonth& month : plan.months) {
                if (field == "months:" + std::string(column.field))
                    shown = shown.value_or("") + month[column.column] + ",";
            }
        }
        EXPECT_EQ(field + "=" + shown.value_or("-"), pair);
    }
}

// A CPC of $0.0001 at 0.05 % makes an eCPM of half a ten-thousandth, taken up to a whole one.
// $255.00 a day over 40,000 page views is $6.375 a thousand, shown up; $173.40 net, $4.335.
// 1,003 page views at 50 % make 501 impressions, as 1,002 do: the month's page views.
INSTANTIATE_TEST_SUITE_P(
    Pay, PlanPayTest,
    ::testing::Values(
        PlanRow{"CpcTimesCtr", "impressions=10000 ctr=0.35 cpc=0.40",
                "ecpm_from_cpc=$1.40 daily=$14.00 needed_cpc=-"},
        PlanRow{"CpcEcpmHalfUp", "impressions=1000000000 ctr=0.05 cpc=0.0001", "daily=$100.00"},
        PlanRow{"SolveCpc", "goal=1000 solve=cpc impressions=10000 ctr=0.35",
                "needed_cpc=$.94 ecpm_from_cpc=$3.29 monthly=$1,000.49"},
        PlanRow{"TodaysCpc", "goal=1000 solve=cpc impressions=10000 ctr=0.35 cpc=0.4",
                "today_earnings=$425.74 needed_cpc=$.94"},
        PlanRow{"ShareOfAHalfCentShownUp", "impressions=1000 ctr=1 ecpm=1.01 share=50",
                "daily=$1.01 net_daily=$.51"},
        PlanRow{"NetGoal", "goal=1000 share=68 impressions=10000 ctr=2.5 ecpm=2.5",
                "needed_impressions=19344 net_monthly=$1,000.03 net_today_earnings=$516.97"},
        PlanRow{"WholeShareOneSet", "impressions=1 ctr=1 ecpm=1 share=100", "net_daily=-"},
        PlanRow{"PerImpressionWithoutCtr", "goal=500 ecpm=3 paid=impression",
                "needed_impressions=5481 monthly=$500.03 epc=$0.00"},
        PlanRow{"PageRpmHalfUp", "pageviews=40000 ads_per_page=3 fill_rate=85 ctr=1.5 ecpm=2.5",
                "page_rpm=$6.38 net_page_rpm=-"},
        PlanRow{"PageRpmNet",
                "pageviews=40000 ads_per_page=3 fill_rate=85 ctr=1.5 ecpm=2.5 "
                "share=68",
                "page_rpm=$6.38 net_page_rpm=$4.34"},
        PlanRow{"PageRpmAtTheNeeded", "goal=1000 pageviews=1 ctr=2.5 ecpm=2.5",
                "needed_pageviews=13154 daily=$32.89 page_rpm=$2.50"},
        PlanRow{"MonthPageRpmAtTheLeast",
                "pageviews=1003 fill_rate=50 ctr=1 ecpm=100 growth=0 months=1",
                "page_rpm=$49.95 months:page_rpm=$50.00,"},
        // "months:" is the goal's period's column, which has no name of its own: net, as the
        // goal is, beside the gross monthly amount.
        PlanRow{"MonthsNetAgainstANetGoal",
                "goal=1000 share=68 impressions=10000 ctr=2.5 ecpm=2.5 growth=5 months=1",
                "reached_month= months:=$516.97, months:monthly=$760.25,"}));

class PlanGrowthTest : public ::testing::TestWithParam<PlanRow> {};

TEST_P(PlanGrowthTest, GrowsToTheNearestImpressionHalvesUp) {
    const planning::Plan plan = PlanOf(TextsOf(GetParam().given));
    std::string impressions;
    for (const planning::PlanMonth& month : plan.months)
        impressions += (impressions.empty() ? "" : " ") + month[planning::MonthColumn::Impressions];
    EXPECT_EQ(impressions, GetParam().shown);
    ASSERT_FALSE(plan.months.empty());
    EXPECT_EQ(plan.months.back()[planning::MonthColumn::Total], GetParam().total);
}

// 10 × 1.05 = 10.5 goes up to 11; 10 × 0.85 = 8.5 goes up to 9; 1 × 0.4 goes down to 0, which
// earns nothing; without impressions given the months start from the needed ones.
INSTANTIATE_TEST_SUITE_P(
    Months, PlanGrowthTest,
    ::testing::Values(PlanRow{"HalvesUp", "impressions=10 ctr=10 ecpm=1000 growth=5 months=3",
                              "10 11 12", "$1,003.53"},
                      PlanRow{"Shrinking", "impressions=10 ctr=10 ecpm=1000 growth=-15 months=3",
                              "10 9 8", "$821.07"},
                      PlanRow{"DownToNone", "impressions=1 ctr=10 ecpm=1000 growth=-60 months=2",
                              "1 0", "$30.41"},
                      PlanRow{"HundredthsOfAPercent",
                              "impressions=100 ctr=1 ecpm=1 growth=0.5 months=2", "100 101",
                              "$6.11"},
                      PlanRow{"FromTheNeeded", "goal=1000 ctr=2.5 ecpm=2.5 growth=10 months=2",
                              "13154 14469", "$2,100.04"},
                      PlanRow{"FromPageViews",
                              "pageviews=1001 fill_rate=50 ctr=1 ecpm=1 growth=0 months=1", "500",
                              "$15.21"}));

struct GapRow {
    const char* name;
    const char* given;
    const char*
        results; // today, change of traffic or eCPM, goal month; "-": none, "?": not reached
    const char* gap;
    const char* reached = "";
};

std::ostream& operator<<(std::ostream& out, const GapRow& row) {
    return out << row.name;
}

class PlanGapTest : public ::testing::TestWithParam<GapRow> {};

TEST_P(PlanGapTest, SaysHowFarTodayIsFromTheGoal) {
    const planning::Plan plan = PlanOf(TextsOf(GetParam().given));
    std::string results;
    for (const planning::PlanResultFacts& result : planning::kPlanResults) {
        if (result.block == planning::ResultBlock::Needed ||
            result.block == planning::ResultBlock::Pay)
            continue;
        const auto& shown = plan[result.result];
        results += (results.empty() ? "" : " ") + (!shown ? "-" : shown->empty() ? "?" : *shown);
    }
    EXPECT_EQ(results, GetParam().results);
    EXPECT_EQ(plan.gap, GetParam().gap);
    EXPECT_EQ(plan.reached, GetParam().reached);
}

// 40,000 page views of 3 ads at 85 % make 102,000 impressions; 13,154 reach $1,000 a month at
// a CTR of 2.5 % and an eCPM of $2.50, 10,000 grown 5 % a month pass them in month 7.
INSTANTIATE_TEST_SUITE_P(
    Gaps, PlanGapTest,
    ::testing::Values(
        GapRow{"MoreTraffic", "goal=1000 impressions=10000 ctr=2.5 ecpm=2.5",
               "10000 $760.25 +31.5 % - -", "Needs 31.5 % more traffic"},
        GapRow{"AlreadyEarns",
               "goal=1000 pageviews=40000 ads_per_page=3 fill_rate=85 ctr=1.5 ecpm=2.5",
               "102000 $7,754.55 -87.1 % - -", "Already earns 7.8× the goal"},
        GapRow{"ExactlyTheNeeded", "goal=1000 impressions=13154 ctr=2.5 ecpm=2.5",
               "13154 $1,000.03 0.0 % - -", "Already earns 1.0× the goal"},
        GapRow{"OneShort", "goal=1000 impressions=13153 ctr=2.5 ecpm=2.5",
               "13153 $999.96 0.0 % - -", "Needs 0.0 % more traffic"},
        GapRow{"NoTrafficToday", "goal=1000 impressions=0 ctr=2.5 ecpm=2.5", "0 $0.00 - - -",
               "Needs traffic: there are no impressions today"},
        GapRow{"DayGoal", "goal=30 per=day impressions=10000 ctr=2.5 ecpm=2.5",
               "10000 $25.00 +20.0 % - -", "Needs 20.0 % more traffic"},
        GapRow{"HigherEcpm", "goal=1000 solve=ecpm impressions=10000 ctr=2.5 ecpm=2.5",
               "10000 $760.25 - +31.6 % -", "Needs an eCPM 31.6 % higher"},
        GapRow{"EcpmNotTyped", "goal=1000 solve=ecpm impressions=10000 ctr=2.5", "10000 - - - -",
               ""},
        GapRow{"NoGoal", "impressions=10000 ctr=2.5 ecpm=2.5", "10000 $760.25 - - -", ""},
        GapRow{"ReachedInMonth7", "goal=1000 impressions=10000 ctr=2.5 ecpm=2.5 growth=5",
               "10000 $760.25 +31.5 % - 7", "Needs 31.5 % more traffic", "Goal reached in month 7"},
        GapRow{"ReachedNow", "goal=1000 impressions=20000 ctr=2.5 ecpm=2.5 growth=0 months=2",
               "20000 $1,520.50 -34.2 % - 1", "Already earns 1.5× the goal",
               "Goal reached in month 1 (now)"},
        GapRow{"WeekGoalNotReached",
               "goal=1000 per=week impressions=10000 ctr=2.5 ecpm=2.5 growth=5 months=6",
               "10000 $175.00 +471.4 % - ?", "Needs 471.4 % more traffic",
               "Goal not reached within 6 months"},
        GapRow{"FromTheNeeded", "goal=1000 ctr=2.5 ecpm=2.5 growth=1 months=2", "- - - - 1", "",
               "Goal reached in month 1 (now)"}));

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
        const std::string perName = std::array{"day", "week", "month", "year"}[pick(4)];
        const calc::Period per = *planning::PeriodNamed(perName);
        const std::string ctr = std::to_string(pick(100)) + "." + std::to_string(1 + pick(9));
        const std::string ecpm = Decimal(1 + pick(1u << (4 + pick(20))));
        const std::string goal = Decimal(1 + pick(1u << (4 + pick(27))));
        planning::PlanTexts texts =
            TextsOf("goal=" + goal + " ctr=" + ctr + " ecpm=" + ecpm + " growth=5 per=" + perName);
        const planning::Plan plan = PlanOf(texts);
        ASSERT_TRUE(plan.neededImpressions) << goal << " " << ctr << " " << ecpm;
        const auto amountAt = [&](std::int64_t impressions) {
            return Cents(WindowCaptions(
                impressions, ctr, ecpm)[static_cast<std::size_t>(calc::EarningsCaption(per))]);
        };
        const std::int64_t needed = *plan.neededImpressions;
        SCOPED_TRACE(goal + " a " + perName + " at " + ctr + " % and $" + ecpm);
        EXPECT_GE(amountAt(needed), Cents(goal));
        EXPECT_LT(amountAt(needed - 1), Cents(goal));

        std::int64_t total = 0;
        for (const planning::PlanMonth& month : plan.months) {
            const calc::Captions window = WindowCaptions(month.impressions, ctr, ecpm);
            EXPECT_EQ(month[planning::MonthColumn::Clicks],
                      window[static_cast<std::size_t>(calc::Caption::ProjectedClicks)]);
            EXPECT_EQ(month[planning::MonthColumn::Monthly],
                      window[static_cast<std::size_t>(calc::Caption::MonthlyEarnings)]);
            total += Cents(month[planning::MonthColumn::Monthly]);
            EXPECT_EQ(Cents(month[planning::MonthColumn::Total]), total);
        }

        texts[PlanInput::Impressions] = std::to_string(needed);
        texts.solve = planning::Solve::ECPM;
        const planning::Plan ecpmPlan = PlanOf(texts);
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

// A net goal at a share, a two-decimal CTR, an eCPM or a CPC, paid per click or per impression:
// the plan of the needed impressions (or CPC) shows the goal's period net at or above the goal,
// and of one fewer below it.
TEST(PlanNetGoal, ReachedAtTheNeededAndMissedAtOneFewer) {
    std::mt19937 random(68);
    const auto pick = [&](std::uint32_t most) {
        return random() % most;
    };
    for (int run = 0; run < 200; ++run) {
        const std::string per = std::array{"day", "week", "month", "year"}[pick(4)];
        const std::string terms = " per=" + per + " ctr=" + Decimal(1 + pick(10000)) +
                                  " share=" + Decimal(1 + pick(9999)) +
                                  (pick(2) ? " paid=impression" : "");
        const bool cpc = pick(2) && terms.find("impression") == std::string::npos;
        const std::string price =
            (cpc ? " cpc=" : " ecpm=") + Decimal(1 + pick(1u << (4 + pick(16))));
        const std::string goal = Decimal(1 + pick(1u << (4 + pick(24))));
        const std::string field = std::string("net_") + (per == "day" ? "daily" : per + "ly");
        const auto netAt = [&](const std::string& figures) {
            const planning::Plan plan = PlanOf(TextsOf(figures + terms));
            for (const planning::PlanResultFacts& result : planning::kPlanResults) {
                if (field == result.field)
                    return Cents(plan[result.result].value_or("0"));
            }
            return std::int64_t{-1};
        };
        SCOPED_TRACE(goal + terms + price);
        const planning::Plan plan = PlanOf(TextsOf("goal=" + goal + terms + price));
        ASSERT_TRUE(plan.neededImpressions);
        const std::int64_t needed = *plan.neededImpressions;
        EXPECT_GE(netAt("impressions=" + std::to_string(needed) + price), Cents(goal));
        EXPECT_LT(netAt("impressions=" + std::to_string(needed - 1) + price), Cents(goal));
        if (!cpc)
            continue;
        const std::string at = "impressions=" + std::to_string(needed);
        const planning::Plan cpcPlan = PlanOf(TextsOf("goal=" + goal + " solve=cpc " + at + terms));
        ASSERT_TRUE(cpcPlan.neededCpc);
        const std::int64_t cents = cpcPlan.neededCpc->tenThousandths / 100;
        EXPECT_GE(netAt(at + " cpc=" + Decimal(cents)), Cents(goal));
        EXPECT_LT(netAt(at + " cpc=" + Decimal(cents - 1)), Cents(goal));
    }
}

} // namespace
