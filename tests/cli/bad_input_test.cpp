// SPDX-License-Identifier: MIT
// Every text that is no figure of its form is refused: one line on stderr naming the figure,
// quoting the text as written and saying what is wrong, then where to learn more; nothing on
// stdout, exit code 2.
#include "tests/cli/run_cli.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct BadInputRow {
    const char* name;
    std::vector<std::string> arguments;
    std::string err;         // the whole line, without the program's name and the line end
    bool commandLine = true; // a fault of the command line, followed by where to learn more
};

// Rows print as their names in test listings.
void PrintTo(const BadInputRow& row, std::ostream* out) {
    *out << row.name;
}

class BadInput : public ::testing::TestWithParam<BadInputRow> {};

TEST_P(BadInput, OneLineOnStderrAndNothingElse) {
    const CliRun run = RunCli(GetParam().arguments);
    const std::string tryHelp =
        GetParam().commandLine ? "Try 'varnelcalc-cli --help' for more information.\n" : "";
    EXPECT_EQ(run.err, "varnelcalc-cli: " + GetParam().err + "\n" + tryHelp);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.code, 2);
}

const std::string kCtrRange = "it must be a percentage from 0 to 100, with at most one decimal.";
const std::string kPlanCtr =
    "the calculator takes one decimal; a plan (--goal, --growth ...) takes two";
const std::string kNoPart = " is not part of a number.";

INSTANTIATE_TEST_SUITE_P(
    Figures, BadInput,
    ::testing::Values(
        BadInputRow{"Letter", {"--impressions", "12a"}, "impressions \"12a\": \"a\"" + kNoPart},
        BadInputRow{"MinusSign", {"--ecpm", "-5"}, "ecpm \"-5\": it cannot be below 0."},
        BadInputRow{"ThousandsSeparator",
                    {"--impressions", "1,00"},
                    "impressions \"1,00\": a thousands separator must be followed by three "
                    "digits."},
        BadInputRow{"DollarSign",
                    {"--impressions", "$2"},
                    "impressions \"$2\": only an amount takes a \"$\"."},
        BadInputRow{
            "PercentSign", {"--ecpm", "5%"}, "ecpm \"5%\": only a percentage takes a \"%\"."},
        BadInputRow{
            "BlankAmongLetters", {"--clicks", "1 0a0"}, "clicks \"1 0a0\": \"a\"" + kNoPart},
        BadInputRow{"Exponent", {"--ecpm", "1e9"}, "ecpm \"1e9\": \"e\"" + kNoPart},
        BadInputRow{
            "TwoPoints", {"--ecpm", "1.2.3"}, "ecpm \"1.2.3\": there is more than one \".\"."},
        BadInputRow{
            "LineBreakStaysOnOneLine", {"--clicks", "1\n2"}, "clicks \"1\\n2\": \"\\n\"" + kNoPart},
        BadInputRow{"Empty", {"--impressions", ""}, "--impressions needs a value"},
        BadInputRow{"PointAlone", {"--ecpm", "."}, "ecpm \".\": there is no digit."},
        BadInputRow{"CtrAboveHundred", {"--ctr", "101"}, "ctr \"101\": " + kCtrRange},
        BadInputRow{"CtrHundredWithTenths", {"--ctr", "100.5"}, "ctr \"100.5\": " + kCtrRange},
        BadInputRow{"CtrTwoDecimals", {"--ctr", "0.35"}, "ctr \"0.35\": " + kPlanCtr},
        BadInputRow{"CtrTwoZeroDecimals", {"--ctr", "2.00"}, "ctr \"2.00\": " + kPlanCtr},
        BadInputRow{"CtrThreeDecimals", {"--ctr", "2.555"}, "ctr \"2.555\": " + kCtrRange},
        BadInputRow{"CtrAndClicks",
                    {"--ctr", "2", "--clicks", "5"},
                    "clicks \"5\": give either the CTR or the clicks, not both"},
        // The first bad figure in the order they are written is the one reported.
        BadInputRow{"FirstOfTwoBadFigures",
                    {"--ecpm", "x", "--impressions", "y"},
                    "impressions \"y\": there is no digit."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Options, BadInput,
    ::testing::Values(
        BadInputRow{"UnknownOption", {"--impression", "5"}, "unknown option \"--impression\""},
        BadInputRow{"UnknownOptionEscaped", {"--a\nb\x1b"}, "unknown option \"--a\\nb\\u001b\""},
        BadInputRow{
            "ShortOptionTookTheRest",
            {"-ctr", "2.5"},
            "unexpected argument \"2.5\": -c took \"tr\" as its value; did you mean --ctr?"},
        BadInputRow{"MissingValue", {"--ecpm"}, "--ecpm needs a value"},
        BadInputRow{"GivenTwice", {"--ctr", "1", "--ctr", "2"}, "--ctr is given more than once"},
        BadInputRow{"StrayArgument", {"1000"}, "unexpected argument \"1000\""},
        BadInputRow{"UnknownFormat",
                    {"--format", "xml"},
                    "format \"xml\": it must be text, csv, tsv or json"},
        BadInputRow{"BatchWithFigures",
                    {"--batch", "-", "--ecpm", "2"},
                    "--batch takes its figures from the file, not from --ecpm"},
        BadInputRow{"UnknownShortOption", {"-x"}, "unknown option \"-x\""},
        BadInputRow{"FlagWithAValue", {"--numbers=1"}, "--numbers takes no value"},
        BadInputRow{"ShortAndLongOfOneOption",
                    {"-e", "1", "--ecpm", "2"},
                    "--ecpm is given more than once"},
        BadInputRow{
            "NumbersWithText", {"--ctr", "1", "--numbers"}, "--numbers is for csv or tsv output"},
        BadInputRow{"NoHeaderWithJson",
                    {"--batch", "-", "--format", "json", "-H"},
                    "--no-header is for csv or tsv output"},
        // "--" ends the options: what follows is no option, here a stray argument.
        BadInputRow{"AfterTheEndOfOptions", {"--", "--ctr"}, "unexpected argument \"--ctr\""},
        BadInputRow{"BatchFileAfterTheEndOfOptions",
                    {"--batch", "--", "-sites.csv"},
                    "cannot open \"-sites.csv\": No such file or directory",
                    false},
        BadInputRow{"BatchFileMissing",
                    {"--batch", "/nonexistent/sites.csv"},
                    "cannot open \"/nonexistent/sites.csv\": No such file or directory",
                    false},
        BadInputRow{
            "BatchFileIsAFolder", {"--batch", "/"}, "cannot read \"/\": it is a folder", false}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Plans, BadInput,
    ::testing::Values(
        BadInputRow{"PerWithoutGoal", {"--per", "day"}, "--per is for a goal: give --goal too"},
        BadInputRow{"MonthsWithoutGrowth",
                    {"-i", "5", "--months", "3"},
                    "--months is for a growth: give --growth too"},
        BadInputRow{"UnknownPeriod",
                    {"--goal", "5", "--per", "Fortnight"},
                    "period \"fortnight\": it must be day, week, month or year"},
        BadInputRow{"UnknownSolve",
                    {"--goal", "5", "--solve", "ctr"},
                    "solve \"ctr\": it must be impressions, ecpm or cpc"},
        BadInputRow{
            "ClicksInAPlan", {"--goal", "5", "-c", "5"}, "a plan takes the CTR, not the clicks"},
        BadInputRow{"UnknownPaidPer",
                    {"--paid-per", "view", "-i", "5"},
                    "paid per \"view\": it must be click or impression"},
        BadInputRow{"EmptyGoal", {"--goal="}, "--goal needs a value"},
        BadInputRow{"GoalInABatch",
                    {"--batch", "-", "--goal", "5"},
                    "--goal is for a single run; a batch reads it from the column goal"},
        BadInputRow{"EnginesSentenceForAnInput",
                    {"--goal", "5", "--ctr", "1", "--ecpm", "1", "--growth", "-100"},
                    "growth \"-100\": it must be a percentage above -100 and up to 1000, with at "
                    "most two decimals."},
        BadInputRow{"FillRateWithoutPageViews",
                    {"-i", "1000", "--fill-rate", "50"},
                    "the fill rate is for page views: give the page views too"},
        BadInputRow{"SolveWithoutGoal",
                    {"--solve", "ecpm", "-i", "5"},
                    "--solve is for a goal: give --goal too"},
        BadInputRow{"BlankGoal", {"--goal", " "}, "--goal needs a value"},
        BadInputRow{"FillRateInABatch",
                    {"--batch", "-", "--fill-rate", "50"},
                    "--fill-rate is for a single run; a batch reads it from the column fill_rate"},
        BadInputRow{"ImpressionsAndPageViews",
                    {"-i", "5", "-P", "5"},
                    "give either the impressions or the page views, not both."},
        BadInputRow{"UnreachableIsNoCommandLineFault",
                    {"--goal", "5", "--ctr", "1"},
                    "the goal cannot be reached with an eCPM of $0.00.",
                    false}),
    [](const auto& info) { return info.param.name; });

} // namespace
