// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Writing CSV as RFC 4180 has it: fields quoted only where they hold a comma, a quote or a
// line break, quotes doubled, records ended by CR LF.
namespace cli {

inline constexpr std::string_view kCsvRecordEnd = "\r\n";

void AppendCsvField(std::string& out, std::string_view field);

// The field names of the results, comma-separated, without a record end.
void AppendCsvResultHeader(std::string& out);

} // namespace cli
