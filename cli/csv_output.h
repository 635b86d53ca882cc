// SPDX-License-Identifier: MIT
#pragma once

#include "calc/results.h"

#include <string>
#include <string_view>

// Writing tables of fields: CSV as RFC 4180 has it (fields quoted only where they hold a comma,
// a quote or a line break, quotes doubled, records ended by CR LF), or TSV for cut, sort and
// column (fields apart by tabs, records ended by LF, a tab, a line break or a backslash in a
// field written as \t, \n, \r or \\).
namespace cli {

inline constexpr std::string_view kCsvRecordEnd = "\r\n";

void AppendCsvField(std::string& out, std::string_view field);

void AppendTsvField(std::string& out, std::string_view field);

struct Delimited {
    char separator;
    std::string_view recordEnd;
    void (*appendField)(std::string& out, std::string_view field);
};

inline constexpr Delimited kCsv{',', kCsvRecordEnd, AppendCsvField};
inline constexpr Delimited kTsv{'\t', "\n", AppendTsvField};

// A result's field name: "daily", or "gross_daily" for an amount shown beside its net.
std::string ResultField(calc::Caption caption, bool gross);

// The field names of the results, apart by the separator, without a record end.
void AppendResultHeader(std::string& out, char separator, bool gross = false);

} // namespace cli
