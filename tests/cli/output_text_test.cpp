// SPDX-License-Identifier: MIT
// The pieces every output format is made of: CSV fields and JSON strings.
#include "cli/csv_output.h"
#include "cli/json_output.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct TextRow {
    const char* name;
    std::string in;
    std::string out;
};

// Rows print as their names in test listings.
void PrintTo(const TextRow& row, std::ostream* out) {
    *out << row.name;
}

std::string RowName(const ::testing::TestParamInfo<TextRow>& info) {
    return info.param.name;
}

class CsvField : public ::testing::TestWithParam<TextRow> {};

TEST_P(CsvField, QuotedOnlyWhenItMustBe) {
    std::string out;
    cli::AppendCsvField(out, GetParam().in);
    EXPECT_EQ(out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Csv, CsvField,
                         ::testing::Values(TextRow{"Plain", "$2.00", "$2.00"},
                                           TextRow{"Empty", "", ""},
                                           TextRow{"Blanks", " a b ", " a b "},
                                           TextRow{"Comma", "$1,095.00", "\"$1,095.00\""},
                                           TextRow{"Quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
                                           TextRow{"LineFeed", "a\nb", "\"a\nb\""},
                                           TextRow{"CarriageReturn", "a\rb", "\"a\rb\""}),
                         RowName);

class JsonString : public ::testing::TestWithParam<TextRow> {};

TEST_P(JsonString, IsValidJson) {
    std::string out;
    cli::AppendJsonString(out, GetParam().in);
    EXPECT_EQ(out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Json, JsonString,
    ::testing::Values(
        TextRow{"Plain", "site", "\"site\""},
        TextRow{"QuoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        TextRow{"LineBreaksAndTab", "a\r\n\tb", "\"a\\r\\n\\tb\""},
        TextRow{"OtherControlCharacter", std::string("a\x01\x1f", 3), "\"a\\u0001\\u001f\""},
        TextRow{"Utf8KeptAsItIs", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
                "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        TextRow{"Latin1ByteReplaced", "caf\xe9", "\"caf\xef\xbf\xbd\""},
        TextRow{"LoneContinuationByteReplaced", "\x80", "\"\xef\xbf\xbd\""},
        TextRow{"CutSequenceReplaced", "\xe2\x82", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
        TextRow{"OverlongFormReplaced", "\xc0\xaf", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
        TextRow{"ThreeByteOverlongReplaced", "\xe0\x80\xaf",
                "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
        TextRow{"SurrogateReplaced", "\xed\xa0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""}),
    RowName);

} // namespace
