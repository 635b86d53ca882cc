// SPDX-License-Identifier: MIT
// A CSV of sites through --batch: every row on its own from the start state, other columns
// carried through in place, bad rows reported and left empty, the exit code telling which.
#include "tests/cli/run_cli.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <sstream>
#include <streambuf>
#include <vector>

namespace {

struct BatchRow {
    const char* name;
    std::string input;
    std::string format;
    std::string out;
    std::string err;
    int code;
};

// Rows print as their names in test listings.
void PrintTo(const BatchRow& row, std::ostream* out) {
    *out << row.name;
}

class Batch : public ::testing::TestWithParam<BatchRow> {};

TEST_P(Batch, WritesEveryRowAndReportsTheBadOnes) {
    const CliRun run = RunCli({"--batch", "-", "--format", GetParam().format}, GetParam().input);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, GetParam().err);
    EXPECT_EQ(run.code, GetParam().code);
}

const std::string kResults =
    "actual_impressions,actual_clicks,actual_ctr,actual_ecpm,daily,weekly,monthly,yearly,epc";
const std::string kStart = "100,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00";
const std::string kNoResults = ",,,,,,,,";
const std::string kJsonNulls = "\"actual_impressions\":null,\"actual_clicks\":null,"
                               "\"actual_ctr\":null,\"actual_ecpm\":null,\"daily\":null,"
                               "\"weekly\":null,\"monthly\":null,\"yearly\":null,\"epc\":null";

const std::string kCtrRange = "it must be a percentage from 0 to 100, with at most one decimal.";
const std::string kPlanCtr =
    "the calculator takes one decimal; a plan (a goal or page views column ...) takes two";

// 1000 impressions at a 2.5 % CTR and a $2.00 eCPM; the plan for a goal of $1,000.00 a month at
// a 2.5 % CTR and a $2.50 eCPM.
const std::string kAt1000 = "1000,25.0,2.50%,$2.00,$2.00,$14.00,$60.82,$730.00,$.08";
const std::string kNeeded = "today_impressions,today_earnings,needed_impressions,needed_pageviews,"
                            "needed_clicks,needed_ecpm,traffic_change,";
const std::string kGoalOf1000 = ",,13154,,328.9,,,13154,328.9,2.50%,$2.50,$32.89,$230.20,"
                                "\"$1,000.03\",\"$12,003.03\",$.10";

const std::string kOnePercent = "100,1.0,1.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00";
const std::string kThousand = "1000,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00";

std::string Tsv(std::string csv) {
    std::ranges::replace(csv, ',', '\t');
    return csv;
}

// With "1," before it, a record of exactly 1 MiB.
const std::string kMiBCell((1 << 20) - 2, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cli, Batch,
    ::testing::Values(
        BatchRow{"QuotingExtraColumnsEmptyCellsAndABadRow",
                 "site,impressions,ctr,clicks,ecpm,owner\n"
                 "\"Acme, Inc.\",1000,2.5,,2,\"Ann \"\"A\"\" Lee\"\n"
                 "blog,1000,,50,3,\n"
                 "shop,12x,1,,1,Bo\n"
                 "news,,,,,\n",
                 "csv",
                 "site,impressions,ctr,clicks,ecpm,owner," + kResults + "\r\n" +
                     "\"Acme, Inc.\",1000,2.5,,2,\"Ann \"\"A\"\" Lee\","
                     "1000,25.0,2.50%,$2.00,$2.00,$14.00,$60.82,$730.00,$.08\r\n"
                     "blog,1000,,50,3,,1000,50.0,5.00%,$3.00,$3.00,$21.00,$91.23,"
                     "\"$1,095.00\",$.06\r\n"
                     "shop,12x,1,,1,Bo," +
                     kNoResults + "\r\n" + "news,,,,,," + kStart + "\r\n",
                 "varnelcalc-cli: line 4: impressions \"12x\": \"x\" is not part of a number.\n",
                 1},
        // Each row starts again from the start state: nothing carries over from the row
        // before.
        BatchRow{"RowsAreIndependent", "impressions,ctr,ecpm\n1000,2.5,2\n,,\n", "csv",
                 "impressions,ctr,ecpm," + kResults + "\r\n" +
                     "1000,2.5,2,1000,25.0,2.50%,$2.00,$2.00,$14.00,$60.82,$730.00,$.08\r\n" +
                     ",,," + kStart + "\r\n",
                 "", 0},
        BatchRow{"ColumnNamesInAnyCaseAndOrder", "ECPM,Clicks,Impressions\r\n3,50,1000\r\n", "csv",
                 "ECPM,Clicks,Impressions," + kResults + "\r\n" +
                     "3,50,1000,1000,50.0,5.00%,$3.00,$3.00,$21.00,$91.23,\"$1,095.00\",$.06\r\n",
                 "", 0},
        BatchRow{"ByteOrderMarkBeforeTheFirstColumn", "\xef\xbb\xbfimpressions,ctr\n1000,1\n",
                 "csv",
                 "impressions,ctr," + kResults + "\r\n" +
                     "1000,1,1000,10.0,1.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                 "", 0},
        BatchRow{"CellsKeepTheirBlanks", "name,impressions\n  padded  ,1000\n", "csv",
                 "name,impressions," + kResults + "\r\n" +
                     "  padded  ,1000,1000,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                 "", 0},
        BatchRow{"BlankLinesCountForLineNumbers", "impressions\n\n1000\n\n0x\n", "csv",
                 "impressions," + kResults + "\r\n" +
                     "1000,1000,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n" + "0x," +
                     kNoResults + "\r\n",
                 "varnelcalc-cli: line 5: impressions \"0x\": \"x\" is not part of a number.\n", 1},
        BatchRow{"QuotedLineBreaksCountForLineNumbers", "note,ctr\n\"two\nlines\",1\nx,2.55\n",
                 "csv",
                 "note,ctr," + kResults + "\r\n" +
                     "\"two\nlines\",1,100,1.0,1.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n" +
                     "x,2.55," + kNoResults + "\r\n",
                 "varnelcalc-cli: line 4: ctr \"2.55\": " + kPlanCtr + "\n", 1},
        BatchRow{"ShortRowIsFilledAndReported", "site,impressions,owner\nfirst,1000\n", "csv",
                 "site,impressions,owner," + kResults + "\r\n" + "first,1000,," + kNoResults +
                     "\r\n",
                 "varnelcalc-cli: line 2: 2 fields where the header has 3\n", 1},
        BatchRow{"LongRowKeepsItsCells", "impressions\n1000,b\n", "csv",
                 "impressions," + kResults + "\r\n" + "1000,b," + kNoResults + "\r\n",
                 "varnelcalc-cli: line 2: 2 fields where the header has 1\n", 1},
        BatchRow{"LastLineWithoutLineEnd", "impressions\n1000", "csv",
                 "impressions," + kResults + "\r\n" +
                     "1000,1000,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                 "", 0},
        BatchRow{"HeaderOnly", "impressions,ctr\n", "csv", "impressions,ctr," + kResults + "\r\n",
                 "", 0},
        BatchRow{"NoHeader", "", "csv", "", "varnelcalc-cli: the input has no header row\n", 2},
        BatchRow{"TwoColumnsForOneFigure", "ctr,CTR\n1,2\n", "csv", "",
                 "varnelcalc-cli: line 1: two columns hold ctr\n", 2},
        // The rows before a malformed one are written; the rest cannot be told apart.
        BatchRow{"MalformedRecordStops", "impressions,site\n1000,a\n1000,\"b\"c\n1000,d\n", "csv",
                 "impressions,site," + kResults + "\r\n" +
                     "1000,a,1000,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                 "varnelcalc-cli: line 3: malformed CSV: error parsing data while strict "
                 "checking enabled\n",
                 2},
        BatchRow{"UnclosedQuoteStops", "impressions,site\n1000,\"open\n", "csv",
                 "impressions,site," + kResults + "\r\n",
                 "varnelcalc-cli: line 2: malformed CSV: error parsing data while strict "
                 "checking enabled\n",
                 2},
        BatchRow{"JsonOneObjectPerLine", "site,ctr,clicks\n\"a \"\"b\"\"\",2,\nc,,3\nd,1,1\n",
                 "json",
                 "{\"site\":\"a \\\"b\\\"\",\"ctr\":\"2\",\"clicks\":\"\","
                 "\"actual_impressions\":{\"shown\":\"100\",\"value\":100},"
                 "\"actual_clicks\":{\"shown\":\"2.0\",\"value\":2.0},"
                 "\"actual_ctr\":{\"shown\":\"2.00%\",\"value\":2.00},"
                 "\"actual_ecpm\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"daily\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"weekly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"monthly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"yearly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"epc\":{\"shown\":\"$0.00\",\"value\":0.00}}\n"
                 "{\"site\":\"c\",\"ctr\":\"\",\"clicks\":\"3\","
                 "\"actual_impressions\":{\"shown\":\"100\",\"value\":100},"
                 "\"actual_clicks\":{\"shown\":\"3.0\",\"value\":3.0},"
                 "\"actual_ctr\":{\"shown\":\"3.00%\",\"value\":3.00},"
                 "\"actual_ecpm\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"daily\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"weekly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"monthly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"yearly\":{\"shown\":\"$0.00\",\"value\":0.00},"
                 "\"epc\":{\"shown\":\"$0.00\",\"value\":0.00}}\n"
                 "{\"site\":\"d\",\"ctr\":\"1\",\"clicks\":\"1\"," +
                     kJsonNulls + "}\n",
                 "varnelcalc-cli: line 4: clicks \"1\": give either the CTR or the clicks, not "
                 "both\n",
                 1},
        BatchRow{"TsvEscapesTabsLineBreaksAndBackslashes", "site,ctr\n\"a\tb\\c\r\n\",1\n", "tsv",
                 "site\tctr\t" + Tsv(kResults) + "\na\\tb\\\\c\\r\\n\t1\t" + Tsv(kOnePercent) +
                     "\n",
                 "", 0},
        BatchRow{
            "TextTableAligned", "site,ctr\ncaf\xc3\xa9,1\nx,2.55\n", "text",
            "site  ctr   actual_impressions  actual_clicks  actual_ctr  actual_ecpm  daily  "
            "weekly  monthly  yearly    epc\ncaf\xc3\xa9  1                    100            1.0  "
            "     1.00%        $0.00  $0.00   $0.00    $0.00   $0.00  $0.00\nx     2.55\n",
            "varnelcalc-cli: line 3: ctr \"2.55\": " + kPlanCtr + "\n", 1},
        BatchRow{"JsonNamesCellsBeyondTheHeader", "ctr\n1,b\n", "json",
                 "{\"ctr\":\"1\",\"column 2\":\"b\"," + kJsonNulls + "}\n",
                 "varnelcalc-cli: line 2: 2 fields where the header has 1\n", 1},
        BatchRow{"JsonNeedsDistinctColumnNames", "ctr,site,site\n1,a,b\n", "json", "",
                 "varnelcalc-cli: line 1: two columns are named \"site\"\n", 2},
        BatchRow{"JsonColumnCannotTakeAResultsName", "ctr,daily\n1,1\n", "json", "",
                 "varnelcalc-cli: line 1: a column has the name of the result \"daily\"\n", 2},
        BatchRow{"JsonColumnCannotTakeTheLastResultsName", "ctr,epc\n1,1\n", "json", "",
                 "varnelcalc-cli: line 1: a column has the name of the result \"epc\"\n", 2},
        // The program's own output fed back in would repeat the result columns.
        BatchRow{"CsvColumnCannotTakeAResultsName", "impressions,daily\n1000,x\n", "csv", "",
                 "varnelcalc-cli: line 1: a column has the name of the result \"daily\"\n", 2},
        BatchRow{"JsonNamesDistinctOnlyInBytesThatAreNotText", "caf\xe9,caf\xe8,ctr\n", "json", "",
                 "varnelcalc-cli: line 1: two columns are named \"caf\xef\xbf\xbd\"\n", 2},
        BatchRow{"ResultsNameInAnotherCaseWithBlanks", "ctr, Daily\n", "csv", "",
                 "varnelcalc-cli: line 1: a column has the name of the result \"daily\"\n", 2},
        BatchRow{"CsvNeedsDistinctColumnNames", "ctr,site,site\n1,a,b\n", "csv", "",
                 "varnelcalc-cli: line 1: two columns are named \"site\"\n", 2},
        BatchRow{"JsonExtraCellKeepsApartFromAColumnOfItsName", "ctr,column 3\n1,a,b\n", "json",
                 "{\"ctr\":\"1\",\"column 3\":\"a\",\"column 3 (2)\":\"b\"," + kJsonNulls + "}\n",
                 "varnelcalc-cli: line 2: 3 fields where the header has 2\n", 1},
        BatchRow{"HeaderNamesAndCellsWithBlanks", "impressions, ctr, ecpm\n1000, 2.5, 2\n", "csv",
                 "impressions, ctr, ecpm," + kResults + "\r\n" +
                     "1000, 2.5, 2,1000,25.0,2.50%,$2.00,$2.00,$14.00,$60.82,$730.00,$.08\r\n",
                 "", 0},
        BatchRow{"WindowHeadingsAsColumnNames", "Impressions:,CTR (%),eCPM ($):\n1000,2.5,2\n",
                 "csv",
                 "Impressions:,CTR (%),eCPM ($):," + kResults + "\r\n" +
                     "1000,2.5,2,1000,25.0,2.50%,$2.00,$2.00,$14.00,$60.82,$730.00,$.08\r\n",
                 "", 0},
        BatchRow{"NoFigureColumn", "site,owner\na,b\n", "csv", "",
                 "varnelcalc-cli: line 1: no figure column among \"site\", \"owner\"; expected "
                 "impressions, ctr, clicks or ecpm\n",
                 2},
        BatchRow{
            "SemicolonsWithDecimalCommas", "impressions;ctr;ecpm\n1000;2,5;2\n", "csv",
            "impressions,ctr,ecpm," + kResults +
                "\r\n1000,\"2,5\",2,1000,25.0,2.50%,$2.00,$2.00,$14.00,$60.82,$730.00,$.08\r\n",
            "", 0},
        BatchRow{"SemicolonsWithThousands", "impressions;ctr;ecpm\n1.000;2,5;2\n", "csv",
                 "impressions,ctr,ecpm," + kResults + "\r\n1.000,\"2,5\",2," + kAt1000 + "\r\n", "",
                 0},
        BatchRow{"SemicolonsQuotedAsInTheFile", "impressions;ctr\n1000;1.234,5\n", "csv",
                 "impressions,ctr," + kResults + "\r\n1000,\"1.234,5\"," + kNoResults + "\r\n",
                 "varnelcalc-cli: line 2: ctr \"1.234,5\": " + kCtrRange + "\n", 1},
        BatchRow{"SemicolonsInAPlanColumn", "goal;ctr;ecpm\n1.000,00;2,5;2,5\n", "csv",
                 "goal,ctr,ecpm," + kNeeded + kResults + "\r\n\"1.000,00\",\"2,5\",\"2,5\"," +
                     kGoalOf1000 + "\r\n",
                 "", 0},
        BatchRow{"BlankCellsAreEmpty", "site,impressions,ctr,clicks,ecpm\nacme, 1000, 2.5, , 2\n",
                 "csv",
                 "site,impressions,ctr,clicks,ecpm," + kResults + "\r\nacme, 1000, 2.5, , 2," +
                     kAt1000 + "\r\n",
                 "", 0},
        BatchRow{
            "TabSeparated", "impressions\tctr\n", "csv", "",
            "varnelcalc-cli: line 1: warning: the columns must be separated by \",\" or \";\", "
            "not by a tab\nvarnelcalc-cli: line 1: no figure column among "
            "\"impressions\\tctr\"; expected impressions, ctr, clicks or ecpm\n",
            2},
        BatchRow{"MisspeltColumnIsCarriedWithAWarning", "impressions,ecmp\n1000,2\n", "csv",
                 "impressions,ecmp," + kResults + "\r\n" +
                     "1000,2,1000,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                 "varnelcalc-cli: line 1: warning: the column \"ecmp\" is carried through; did "
                 "you mean ecpm?\n",
                 0},
        BatchRow{"UnclosedQuoteReportedAtItsFirstLine", "impressions,site\n1000,\"open\nmore\n",
                 "csv", "impressions,site," + kResults + "\r\n",
                 "varnelcalc-cli: line 2: malformed CSV: error parsing data while strict "
                 "checking enabled\n",
                 2},
        BatchRow{"CarriageReturnsEndLines", "impressions\r1000\r0x\r", "csv",
                 "impressions," + kResults + "\r\n" +
                     "1000,1000,0,0.0%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n" + "0x," +
                     kNoResults + "\r\n",
                 "varnelcalc-cli: line 3: impressions \"0x\": \"x\" is not part of a number.\n", 1},
        BatchRow{"NulBytesAreNoText", std::string(4, '\0'), "csv", "",
                 "varnelcalc-cli: line 1: a NUL byte: the input is not UTF-8 text\n", 2},
        BatchRow{"Utf16IsRefused", std::string("\xff\xfei\0m\0", 6), "csv", "",
                 "varnelcalc-cli: line 1: the input is UTF-16 text; it must be UTF-8\n", 2},
        BatchRow{"EndlessLineStops", std::string((1 << 20) + 1, 'x'), "csv", "",
                 "varnelcalc-cli: line 1: a record longer than 1 MiB\n", 2},
        BatchRow{"RecordOfOneMiBWithoutItsLineEnd", "ctr,note\r\n1," + kMiBCell + "\r\n", "csv",
                 "ctr,note," + kResults + "\r\n1," + kMiBCell +
                     ",100,1.0,1.00%,$0.00,$0.00,$0.00,$0.00,$0.00,$0.00\r\n",
                 "", 0},
        BatchRow{"EndlessQuotedFieldStops",
                 "impressions,note\n1000,\"" + std::string(1 << 20, '\n'), "csv",
                 "impressions,note," + kResults + "\r\n",
                 "varnelcalc-cli: line 2: a record longer than 1 MiB\n", 2},
        // A row with a goal or page views is a plan's, the others the calculator's as ever.
        BatchRow{"PlanColumns",
                 "ctr,ecpm,Goal,ads_per_page,fill_rate,impressions\n2.5,2.5,1000,3,85,\n"
                 "2.5,0,1000,,,\n1,2,,,,1000\n",
                 "csv",
                 "ctr,ecpm,Goal,ads_per_page,fill_rate,impressions," + kNeeded + kResults +
                     ",page_rpm\r\n2.5,2.5,1000,3,85,,,,13154,5159,328.9,,,13154,328.9,2.50%,"
                     "$2.50,$32.89,$230.20,\"$1,000.03\",\"$12,003.03\",$.10,$6.38\r\n"
                     "2.5,0,1000,,,,,,,,,,," +
                     kNoResults +
                     ",\r\n1,2,,,,1000,,,,,,,,1000,10.0,1.00%,$2.00,$2.00,$14.00,"
                     "$60.82,$730.00,$.20,\r\n",
                 "varnelcalc-cli: line 3: the goal cannot be reached with an eCPM of $0.00.\n", 1},
        // A share, a CPC and a pay per impression are a plan's; the columns follow the file's.
        BatchRow{"PayColumns",
                 "goal,share,cpc,paid_per,impressions,ctr,ecpm\n1000,68,,,,2.5,2.5\n"
                 ",,0.4,,10000,0.35,\n500,,,impression,,,3\n,,,day,1,1,1\n",
                 "csv",
                 "goal,share,cpc,paid_per,impressions,ctr,ecpm," + kNeeded +
                     "actual_impressions,actual_clicks,actual_ctr,actual_ecpm,gross_daily,"
                     "gross_weekly,gross_monthly,gross_yearly,epc,ecpm_from_cpc,net_today_earnings,"
                     "net_daily,net_weekly,net_monthly,net_yearly\r\n"
                     "1000,68,,,,2.5,2.5,,,19344,,483.6,,,19344,483.6,2.50%,$2.50,$48.36,$338.52,"
                     "\"$1,470.63\",\"$17,651.40\",$.10,,,$32.88,$230.19,\"$1,000.03\","
                     "\"$12,002.95\"\r\n,,0.4,,10000,0.35,,10000,$425.74,,,,,,10000,35.0,0.35%,"
                     "$1.40,$14.00,$98.00,$425.74,\"$5,110.00\",$.40,$1.40,,,,,\r\n"
                     "500,,,impression,,,3,,,5481,,0,,,5481,0,0.0%,$3.00,$16.44,$115.10,$500.03,"
                     "\"$6,001.70\",$0.00,,,,,,\r\n,,,day,1,1,1,,,,,,,," +
                     kNoResults + ",,,,,,\r\n",
                 "varnelcalc-cli: line 5: paid per \"day\": it must be click or impression\n", 1},
        BatchRow{"FillRateWithoutPageViews", "impressions,fill_rate\n1000,50\n", "csv",
                 "impressions,fill_rate," + kNeeded + kResults + ",page_rpm\r\n1000,50,,,,,,,," +
                     kNoResults + ",\r\n",
                 "varnelcalc-cli: line 2: the fill rate is for page views: give the page views "
                 "too\n",
                 1},
        BatchRow{"ShortJsonRowKeepsItsColumns", "site,ctr\na\n", "json",
                 "{\"site\":\"a\",\"ctr\":\"\"," + kJsonNulls + "}\n",
                 "varnelcalc-cli: line 2: 1 fields where the header has 2\n", 1},
        BatchRow{"DecimalCommaInAPlanColumn", "ctr;ecpm;goal\n2,5;2,5;1000,50\n", "csv",
                 "ctr,ecpm,goal," + kNeeded + kResults +
                     "\r\n\"2,5\",\"2,5\",\"1000,50\",,,13161,,329.0,,,13161,329.0,2.50%,$2.50,"
                     "$32.90,$230.32,\"$1,000.57\",\"$12,009.41\",$.10\r\n",
                 "", 0},
        BatchRow{"SemicolonInACommaSeparatedHeader", "site;name,ctr\na,1\n", "csv",
                 "site;name,ctr," + kResults + "\r\na,1," + kOnePercent + "\r\n", "", 0}),
    [](const auto& info) { return info.param.name; });

// Bad rows on both sides of the blocks the two threads take turns at: every row comes out in
// its place, and each bad one is told under its own line.
TEST(BatchBlocks, RowsAcrossBlocksKeepTheirOrderAndLines) {
    const std::set<int> bad = {8191, 8192, 8193, 16385};
    std::string input = "site,impressions\n";
    std::vector<std::string> expected = {"site,impressions," + kResults};
    std::string expectedErr;
    for (int row = 1; row <= 20000; ++row) {
        const std::string site = std::to_string(row);
        input += site + (bad.contains(row) ? ",x\n" : ",1000\n");
        expected.push_back(site + (bad.contains(row) ? ",x," + kNoResults : ",1000," + kThousand));
        if (bad.contains(row))
            expectedErr += "varnelcalc-cli: line " + std::to_string(row + 1) +
                           ": impressions \"x\": there is no digit.\n";
    }
    const CliRun run = RunCli({"--batch", "-"}, input);
    EXPECT_EQ(run.err, expectedErr);
    EXPECT_EQ(run.code, 1);
    std::istringstream out(run.out);
    std::size_t line = 0;
    for (std::string record; std::getline(out, record) && line < expected.size(); ++line)
        ASSERT_EQ(record, expected[line] + "\r") << "output line " << line + 1;
    EXPECT_EQ(line, expected.size());
}

class BatchFile : public ::testing::TestWithParam<const char*> {};

TEST_P(BatchFile, ReadsTheNamedFile) {
    const std::string path = ::testing::TempDir() + GetParam();
    {
        std::ofstream file(path, std::ios::binary);
        file << "impressions,ctr,ecpm\n1000,2.5,2\n";
    }
    const CliRun run = RunCli({"--batch", path});
    EXPECT_EQ(run.out, "impressions,ctr,ecpm," + kResults + "\r\n" +
                           "1000,2.5,2,1000,25.0,2.50%,$2.00,$2.00,$14.00,$60.82,$730.00,$.08\r\n");
    EXPECT_EQ(run.code, 0);
    std::remove(path.c_str());
}

// A name in another encoding than UTF-8 is the file's all the same.
INSTANTIATE_TEST_SUITE_P(Names, BatchFile,
                         ::testing::Values("varnelcalc-cli-sites.csv",
                                           "varnelcalc-cli-caf\xe9.csv"));

// A standard output that cannot take anything, like a full disk or a closed pipe.
class RefusingBuffer final : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override {
        errno = ENOSPC;
        return 0;
    }
};

// Rows stream out as they are computed: a write that fails ends the batch at once, instead of
// reading the rest of a long file for nothing.
TEST(BatchOutput, FailedWriteStopsTheBatch) {
    std::string input = "impressions\n";
    for (int row = 0; row < 60000; ++row)
        input += "1000\n";
    std::istringstream in(input);
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::ostringstream err;
    const int code = cli::Run({"varnelcalc-cli", "--batch", "-"}, in, out, err);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.str(), "varnelcalc-cli: cannot write the output: No space left on device\n");
    EXPECT_LT(in.tellg(), static_cast<std::streamoff>(input.size())) << "read on after the fault";
}

// An input that pauses between its parts, as a pipe or a terminal does: a part is handed over
// only when the reader asks for more, and what was written by then is noted.
class PausingInput final : public std::streambuf {
public:
    PausingInput(std::vector<std::string> parts, const std::ostringstream& out)
        : parts_(std::move(parts)), out_(out) {}
    std::vector<std::string> writtenBefore; // each part

protected:
    int_type underflow() override {
        if (next_ == parts_.size())
            return traits_type::eof();
        writtenBefore.push_back(out_.str());
        std::string& part = parts_[next_++];
        setg(part.data(), part.data(), part.data() + part.size());
        return traits_type::to_int_type(part[0]);
    }

private:
    std::vector<std::string> parts_;
    std::size_t next_ = 0;
    const std::ostringstream& out_;
};

// Rows already read are answered before the batch waits for more, header and all.
TEST(BatchInput, RowsReadAreWrittenWhenTheInputPauses) {
    std::ostringstream out;
    PausingInput pausing({"impressions\n1000\n", "1000\n"}, out);
    std::istream in(&pausing);
    std::ostringstream err;
    EXPECT_EQ(cli::Run({"varnelcalc-cli", "--batch", "-"}, in, out, err), 0);
    ASSERT_EQ(pausing.writtenBefore.size(), 2u);
    EXPECT_EQ(pausing.writtenBefore[1],
              "impressions," + kResults + "\r\n1000," + kThousand + "\r\n");
}

// An input that cannot be read, like a closed standard input.
class FailingInput final : public std::streambuf {
protected:
    int_type underflow() override {
        errno = EBADF;
        throw std::ios_base::failure("read");
    }
};

struct ReasonRow {
    const char* name;
    std::vector<QString> arguments;
    std::string err;
};

void PrintTo(const ReasonRow& row, std::ostream* out) {
    *out << row.name;
}

class SystemReason : public ::testing::TestWithParam<ReasonRow> {};

// Whatever stream fails, the system's reason is told.
TEST_P(SystemReason, IsToldWhenAStreamFails) {
    FailingInput failing;
    std::istream in(&failing);
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::ostringstream err;
    QStringList arguments{"varnelcalc-cli"};
    for (const QString& argument : GetParam().arguments)
        arguments << argument;
    EXPECT_EQ(cli::Run(arguments, in, out, err), 2);
    EXPECT_EQ(err.str(), "varnelcalc-cli: " + GetParam().err + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, SystemReason,
    ::testing::Values(
        ReasonRow{"Help", {"--help"}, "cannot write the output: No space left on device"},
        ReasonRow{"Input", {"--batch", "-"}, "cannot read the input: Bad file descriptor"}),
    [](const auto& info) { return info.param.name; });

// Reading stops at the bound, not at the end of the input.
TEST(BatchInput, EndlessRecordStopsWithinItsBoundAndAChunk) {
    std::istringstream in(std::string(3 << 20, 'x'));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::Run({"varnelcalc-cli", "--batch", "-"}, in, out, err), 2);
    // At the end, tellg() would be -1, far above the bound as a size.
    EXPECT_LE(static_cast<std::size_t>(in.tellg()), (1u << 20) + (1u << 16));
}

} // namespace
