// SPDX-License-Identifier: MIT
#include "csv_output.h"

#include "results.h"

namespace cli {

void AppendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendCsvResultHeader(std::string& out) {
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        if (field > 0)
            out += ',';
        out += calc::kResults[field].field;
    }
}

} // namespace cli
