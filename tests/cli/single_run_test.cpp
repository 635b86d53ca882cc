// SPDX-License-Identifier: MIT
// One site from the command line: the captions the window shows for the same figures, in
// each output format.
#include "tests/cli/run_cli.h"

#include <gtest/gtest.h>
#include <ostream>
#include <sstream>

namespace {

struct SingleRunRow {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
    std::string err = {};
};

// Rows print as their names in test listings.
void PrintTo(const SingleRunRow& row, std::ostream* out) {
    *out << row.name;
}

class SingleRun : public ::testing::TestWithParam<SingleRunRow> {};

TEST_P(SingleRun, PrintsTheWindowsCaptions) {
    const CliRun run = RunCli(GetParam().arguments);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, GetParam().err);
    EXPECT_EQ(run.code, 0);
}

const std::string kNoClicks = "varnelcalc-cli: note: without a CTR or clicks there are no "
                              "clicks, and the earnings are $0.00\n";

const std::string kCsvHeader = "actual_impressions,actual_clicks,actual_ctr,actual_ecpm,daily,"
                               "weekly,monthly,yearly,epc\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cli, SingleRun,
    ::testing::Values(
        SingleRunRow{"TextAlignsTheWindowsLabels",
                     {"--impressions", "1000", "--ctr", "2.5", "--ecpm", "2"},
                     "Impressions  1000\n"
                     "Clicks       25.0\n"
                     "CTR          2.50%\n"
                     "eCPM         $2.00\n"
                     "Daily        $2.00\n"
                     "Weekly       $14.00\n"
                     "Monthly      $60.82\n"
                     "Yearly       $730.00\n"
                     "Average EPC  $.08\n"},
        SingleRunRow{"NothingGivenIsTheStartState",
                     {"--format", "csv"},
                     kCsvHeader + "100,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                     kNoClicks},
        SingleRunRow{"CsvQuotesCaptionsWithCommas",
                     {"--impressions=1000", "--ctr=2", "--ecpm=3", "--format=csv"},
                     kCsvHeader +
                         "1000,20.0,2.00%,$3.00,$3.00,$21.00,$91.23,\"$1,095.00\",$.15\r\n"},
        SingleRunRow{
            "ClicksGiveTheCtr",
            {"--impressions", "100000", "--clicks", "2000", "--ecpm", "5", "--format", "csv"},
            kCsvHeader + "100000,2000.0,2.00%,$5.00,$500.00,\"$3,500.00\",\"$15,205.00\","
                         "\"$182,500.00\",$.25\r\n"},
        SingleRunRow{"JsonMapsEachFieldToCaptionAndNumber",
                     {"--impressions", "1000", "--ctr", "2", "--ecpm", "3", "--format", "json"},
                     "{\"actual_impressions\":{\"shown\":\"1000\",\"value\":1000},"
                     "\"actual_clicks\":{\"shown\":\"20.0\",\"value\":20.0},"
                     "\"actual_ctr\":{\"shown\":\"2.00%\",\"value\":2.00},"
                     "\"actual_ecpm\":{\"shown\":\"$3.00\",\"value\":3.00},"
                     "\"daily\":{\"shown\":\"$3.00\",\"value\":3.00},"
                     "\"weekly\":{\"shown\":\"$21.00\",\"value\":21.00},"
                     "\"monthly\":{\"shown\":\"$91.23\",\"value\":91.23},"
                     "\"yearly\":{\"shown\":\"$1,095.00\",\"value\":1095.00},"
                     "\"epc\":{\"shown\":\"$.15\",\"value\":0.15}}\n"},
        // Without clicks the eCPM edit leaves the earnings as they were.
        SingleRunRow{"EcpmWithoutClicksKeepsTheEarnings",
                     {"--ecpm", "2.5", "--format", "csv"},
                     kCsvHeader + "100,0,0.0%,$2.50,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                     kNoClicks},
        // eCPM 2.5 on 1000 impressions: 76.025 a month, an exact half shown rounded up.
        SingleRunRow{"MonthlyHalfCentRoundsUp",
                     {"--impressions", "1000", "--ctr", "1", "--ecpm", "2.5", "--format", "csv"},
                     kCsvHeader + "1000,10.0,1.00%,$2.50,$2.50,$17.50,$76.03,$912.50,$.25\r\n"},
        SingleRunRow{"TenthsWithoutWholePercent",
                     {"--ctr", ".5", "--format", "csv"},
                     kCsvHeader + "100,0.5,0.50%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        SingleRunRow{"PointWithoutTenths",
                     {"--ctr", "5.", "--format", "csv"},
                     kCsvHeader + "100,5.0,5.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        SingleRunRow{"HundredPercentWithZeroTenths",
                     {"--impressions", "300", "--ctr", "100.0", "--format", "csv"},
                     kCsvHeader + "300,300.0,100.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        // The clicks box shows one decimal and the CTR is derived from what it shows.
        SingleRunRow{"ClicksRoundedBeforeTheCtr",
                     {"--clicks", "2.57", "--format", "csv"},
                     kCsvHeader + "100,2.6,2.60%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        SingleRunRow{"FractionalImpressions",
                     {"--impressions", "1.5", "--clicks", "1", "--format", "csv"},
                     kCsvHeader + "1.5,1.0,66.67%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        SingleRunRow{
            "EcpmKeptToFourDecimals",
            {"--impressions", "1000", "--ctr", "2.5", "--ecpm", "1.23456", "--format", "csv"},
            kCsvHeader + "1000,25.0,2.50%,$1.23,$1.23,$8.64,$37.54,$450.63,$.05\r\n"},
        SingleRunRow{"LeadingZerosInTheCtr",
                     {"--ctr", "002", "--format", "csv"},
                     kCsvHeader + "100,2.0,2.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        SingleRunRow{"LeadingZerosInTheClicks",
                     {"--clicks", "007", "--format", "csv"},
                     kCsvHeader + "100,7.0,7.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        SingleRunRow{
            "LargestFigures",
            {"--impressions", "9999999", "--ctr", "100", "--ecpm", "9999999", "--format", "csv"},
            kCsvHeader + "9999999,9999999.0,100.00%,\"$9,999,999.00\","
                         "\"$99,999,980,000.00\",\"$699,999,860,000.01\","
                         "\"$3,040,999,391,800.03\",\"$36,499,992,700,000.36\","
                         "$10000.00\r\n"},
        SingleRunRow{"TinyImpressionsInExponentForm",
                     {"--impressions", ".00001", "--format", "json"},
                     "{\"actual_impressions\":{\"shown\":\"1E-05\",\"value\":1E-05},"
                     "\"actual_clicks\":{\"shown\":\"0\",\"value\":0},"
                     "\"actual_ctr\":{\"shown\":\"0.0%\",\"value\":0.0},"
                     "\"actual_ecpm\":{\"shown\":\"$0.00\",\"value\":0.00},"
                     "\"daily\":{\"shown\":\"$0.00\",\"value\":0.00},"
                     "\"weekly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                     "\"monthly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                     "\"yearly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                     "\"epc\":{\"shown\":\"$0.00\",\"value\":0.00}}\n",
                     kNoClicks},
        SingleRunRow{"Version",
                     {"--version"},
                     "varnelcalc-cli 1.0.85\nVarnel Interactive Calculator 1.00; build: 85\n"},
        SingleRunRow{"ShortOptions",
                     {"-i", "1000", "-r", "2", "-e", "3", "-f", "csv"},
                     kCsvHeader +
                         "1000,20.0,2.00%,$3.00,$3.00,$21.00,$91.23,\"$1,095.00\",$.15\r\n"},
        SingleRunRow{"FormatInAnyCase",
                     {"-c", "5", "--format", "CSV"},
                     kCsvHeader + "100,5.0,5.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        // Blanks take no room, as in a paste into the box.
        SingleRunRow{"BlanksAreTakenOutAsInAPaste",
                     {"--impressions", "1 000", "--clicks", " 5 ", "--format", "csv"},
                     kCsvHeader + "1000,5.0,0.50%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"},
        SingleRunRow{"NumbersInsteadOfCaptions",
                     {"-i", "1000", "-r", "2", "-e", "3", "-f", "csv", "--numbers"},
                     kCsvHeader + "1000,20.0,2.00,3.00,3.00,21.00,91.23,1095.00,0.15\r\n"},
        // A box written by code stores a figure whole, however long.
        SingleRunRow{"LongerThanTheBoxes",
                     {"-c", "100000", "-e", "0.123456", "-f", "csv", "-H"},
                     "100,100000.0,100000.00%,$.12,$.01,$.09,$.38,$4.51,$0.00\r\n"},
        SingleRunRow{"NoHeaderForAppending",
                     {"--ctr", "1", "--format", "csv", "-H"},
                     "100,1.0,1.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n"}),
    [](const auto& info) { return info.param.name; });

TEST(CliHelp, ShowsBothFormsAndEveryOption) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Usage: varnelcalc-cli [--impressions N]")) << run.out;
    for (const char* option :
         {"-b, --batch <FILE>", "-i, --impressions <N>", "-r, --ctr <P>", "-c, --clicks <N>",
          "-e, --ecpm <D>", "-f, --format", "-n, --numbers", "-H, --no-header", "-v, --version",
          "-g, --goal <D>", "-p, --per <PERIOD>", "-s, --solve", "-P, --pageviews",
          "-a, --ads-per-page", "-F, --fill-rate", "-G, --growth <P>", "-m, --months <N>",
          "Examples:"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 80u) << line;
}

struct BothModesRow {
    const char* name;
    std::vector<std::string> arguments; // with the impressions a plan needs
    std::string said; // within the first line and the month's record: captions, or the refusal
};

void PrintTo(const BothModesRow& row, std::ostream* out) {
    *out << row.name;
}

class BothModes : public ::testing::TestWithParam<BothModesRow> {};

// An option means the same in a run of the calculator and in a plan, whose one month shows
// the same captions.
TEST_P(BothModes, ReadsAFigureAlikeWithAndWithoutAPlan) {
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.insert(arguments.end(), {"-f", "csv", "-H"});
    for (const bool plan : {false, true}) {
        if (plan)
            arguments.insert(arguments.end(), {"--growth", "0", "--months", "1"});
        const CliRun run = RunCli(arguments);
        const std::string& said = run.code == 0 ? run.out : run.err;
        const std::string line = said.substr(0, said.find('\n'));
        EXPECT_NE(line.find(GetParam().said), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, BothModes,
    ::testing::Values(
        BothModesRow{"LeadingZero", {"-i", "0100", "-r", "2.5", "-e", "2"}, "100,2.5,"},
        BothModesRow{"NoImpressions", {"-i", "0", "-r", "2.5", "-e", "2"}, "0,0,"},
        BothModesRow{"CtrWithLeadingZeros", {"-i", "1", "-r", "0100", "-e", "2"}, ",$.06,"},
        BothModesRow{"LongerThanTheBox", {"-i", "12345678", "-r", "2.5", "-e", "2"}, "$750,864.14"},
        BothModesRow{"ThousandsSeparators", {"-i", "10,000", "-r", "2.5", "-e", "2"}, ",$608.20,"},
        BothModesRow{"PercentAfterTheCtr", {"-i", "1000", "-r", "2.5%", "-e", "2"}, ",$60.82,"},
        BothModesRow{"DollarBeforeTheEcpm", {"-i", "1000", "-r", "2.5", "-e", "$2"}, ",$60.82,"},
        BothModesRow{
            "RefusedAlike", {"-i", "1,00", "-r", "2.5", "-e", "2"}, "\"1,00\": a thousands"}));

// A bare start asks for figures: it is a usage error, not a projection of zeros.
TEST(CliUsage, NoArgumentsPrintTheUsageOnStderr) {
    const CliRun run = RunCli({});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("Usage: varnelcalc-cli")) << run.err;
    EXPECT_TRUE(run.err.ends_with("Try 'varnelcalc-cli --help' for more information.\n"));
}

// Plans: the needed figures before the window's nine, and the month table after them.
INSTANTIATE_TEST_SUITE_P(
    Plans, SingleRun,
    ::testing::Values(
        SingleRunRow{"TextTableAlignedUnderItsHeadings",
                     {"--impressions", "10", "--ctr", "10", "--ecpm", "1000", "--growth", "5",
                      "--months", "3"},
                     "Today's impressions a day  10\nToday's earnings a month   $304.10\n"
                     "Clicks                     1.0\nCTR                        10.00%\n"
                     "eCPM                       $1,000.00\nDaily                      $10.00\n"
                     "Weekly                     $70.00\nYearly                     $3,650.00\n"
                     "Average EPC                $10.00\n\n"
                     "  Month  Impressions a day  Clicks a day  Monthly  Running total\n"
                     "1 (now)                 10           1.0  $304.10        $304.10\n"
                     "      2                 11           1.1  $334.51        $638.61\n"
                     "      3                 12           1.2  $364.92      $1,003.53\n"},
        SingleRunRow{"GoalAsTheProgramCopiesIt",
                     {"--goal", "$1,000.03", "--ctr", "2.5", "--ecpm", "2.5", "-f", "csv", "-H"},
                     "13154,328.9,13154,328.9,2.50%,$2.50,$32.89,$230.20,\"$1,000.03\","
                     "\"$12,003.03\",$.10\r\n"},
        SingleRunRow{"CsvTodayAndNeededFieldsFirst",
                     {"--goal", "70", "--per", "WEEK", "--pageviews", "5000", "--fill-rate", "50",
                      "--ctr", "1", "--ecpm", "1", "--format", "csv"},
                     "today_impressions,today_earnings,needed_impressions,needed_pageviews,"
                     "needed_clicks,traffic_change," +
                         kCsvHeader.substr(0, kCsvHeader.size() - 2) + ",page_rpm\r\n" +
                         "2500,$17.50,10000,20000,100.0,+300.0 %,10000,100.0,1.00%,$1.00,$10.00,"
                         "$70.00,$304.10,\"$3,650.00\",$.10,$.50\r\n"},
        SingleRunRow{
            "CsvCpcMakesTheEcpmAfterTheNine",
            {"--impressions", "10000", "--ctr", "0.35", "--cpc", "0.40", "-f", "csv", "-H"},
            "10000,$425.74,10000,35.0,0.35%,$1.40,$14.00,$98.00,$425.74,\"$5,110.00\",$.40,"
            "$1.40\r\n"},
        SingleRunRow{
            "CsvShareGrossBesideNet",
            {"--goal", "1000", "--share", "68", "--ctr", "2.5", "--ecpm", "2.5", "-f", "csv"},
            "needed_impressions,needed_clicks,actual_impressions,actual_clicks,actual_ctr,"
            "actual_ecpm,gross_daily,gross_weekly,gross_monthly,gross_yearly,epc,net_daily,"
            "net_weekly,net_monthly,net_yearly\r\n19344,483.6,19344,483.6,2.50%,$2.50,"
            "$48.36,$338.52,\"$1,470.63\",\"$17,651.40\",$.10,$32.88,$230.19,"
            "\"$1,000.03\",\"$12,002.95\"\r\n"},
        SingleRunRow{"CsvOnlyTheMonthsWithAGrowth",
                     {"-i", "10", "-r", "10", "-e", "1000", "-G", "-15", "-m", "2", "-f", "csv",
                      "--numbers", "--no-header"},
                     "1,10,1.0,304.10,304.10\r\n2,9,0.9,273.69,577.79\r\n"},
        SingleRunRow{"TsvMonthsWithThePeriodAndTheGoal",
                     {"-g", "300", "-p", "week", "-i", "10", "-r", "10", "-e", "1000", "-G", "-15",
                      "-m", "2", "-f", "tsv", "--numbers"},
                     "month\timpressions\tclicks\tweekly\tmonthly\ttotal\treaches_goal\n"
                     "1\t10\t1.0\t70.00\t304.10\t304.10\tfalse\n"
                     "2\t9\t0.9\t63.00\t273.69\t577.79\tfalse\n"},
        SingleRunRow{
            "JsonOneDocument",
            {"--goal",         "50", "--per",    "day", "--solve", "ecpm", "--pageviews", "10000",
             "--ads-per-page", "2",  "--ctr",    "1",   "--ecpm",  "2",    "--growth",    "0",
             "--months",       "1",  "--format", "json"},
            "{\"plan\":{\"today_impressions\":{\"shown\":\"20000\",\"value\":20000},"
            "\"today_earnings\":{\"shown\":\"$40.00\",\"value\":40.00},"
            "\"needed_ecpm\":{\"shown\":\"$2.50\",\"value\":2.50},"
            "\"ecpm_change\":{\"shown\":\"+25.0 %\",\"value\":25.0},"
            "\"reached_month\":{\"shown\":\"1\",\"value\":1},"
            "\"actual_impressions\":{\"shown\":\"20000\",\"value\":20000},"
            "\"actual_clicks\":{\"shown\":\"200.0\",\"value\":200.0},"
            "\"actual_ctr\":{\"shown\":\"1.00%\",\"value\":1.00},"
            "\"actual_ecpm\":{\"shown\":\"$2.50\",\"value\":2.50},"
            "\"daily\":{\"shown\":\"$50.00\",\"value\":50.00},"
            "\"weekly\":{\"shown\":\"$350.00\",\"value\":350.00},"
            "\"monthly\":{\"shown\":\"$1,520.50\",\"value\":1520.50},"
            "\"yearly\":{\"shown\":\"$18,250.00\",\"value\":18250.00},"
            "\"epc\":{\"shown\":\"$.25\",\"value\":0.25},"
            "\"page_rpm\":{\"shown\":\"$5.00\",\"value\":5.00}},"
            "\"months\":[{\"month\":1,\"impressions\":{\"shown\":\"20000\",\"value\":20000},"
            "\"clicks\":{\"shown\":\"200.0\",\"value\":200.0},"
            "\"daily\":{\"shown\":\"$50.00\",\"value\":50.00},"
            "\"monthly\":{\"shown\":\"$1,520.50\",\"value\":1520.50},"
            "\"total\":{\"shown\":\"$1,520.50\",\"value\":1520.50},"
            "\"page_rpm\":{\"shown\":\"$5.00\",\"value\":5.00},"
            "\"reaches_goal\":true}]}\n"}));

} // namespace
