// SPDX-License-Identifier: MIT
// The command line that makes a plan: what it names, and its values safe from the shell.
#include "planning/command_line.h"
#include "tests/planning/plan_texts.h"

#include <gtest/gtest.h>

namespace {

struct CommandRow {
    const char* name;
    const char* given; // "|" between the inputs
    const char* line;
};

class CommandLineTest : public ::testing::TestWithParam<CommandRow> {};

TEST_P(CommandLineTest, NamesWhatThePlanReads) {
    EXPECT_EQ(planning::CommandLine(TextsOf(GetParam().given, '|')), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, CommandLineTest,
    ::testing::Values(
        CommandRow{"InTheOptionsOrder",
                   "months=12|growth=5|ecpm=2.5|ctr=2.5|impressions=10000|per=month|goal=1000",
                   "varnelcalc-cli --goal 1000 --impressions 10000 --ctr 2.5 --ecpm 2.5 "
                   "--growth 5 --months 12"},
        CommandRow{"PeriodAndSolveAfterTheGoal",
                   "pageviews=10000|ads_per_page=2|fill_rate=85|goal=50|solve=ecpm|per=day",
                   "varnelcalc-cli --goal 50 --per day --solve ecpm --pageviews 10000 "
                   "--ads-per-page 2 --fill-rate 85"},
        // Without a goal the period and the solving play no part; without a growth the months.
        CommandRow{"NothingThePlanLeavesUnread",
                   "impressions=100|ecpm=2|months=12|ctr= |per=year|solve=ecpm",
                   "varnelcalc-cli --impressions 100 --ecpm 2"},
        CommandRow{"ValuesQuotedForTheShell", "goal=$1,000|impressions=10 000|ctr=2'5|growth=-5%",
                   "varnelcalc-cli --goal '$1,000' --impressions '10 000' --ctr '2'\\''5' "
                   "--growth -5%"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
