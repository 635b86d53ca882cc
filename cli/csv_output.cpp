// SPDX-License-Identifier: MIT
#include "cli/csv_output.h"

#include "calc/results.h"

#include <algorithm>

namespace cli {

void AppendCsvField(std::string& out, std::string_view field) {
    const auto special = [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    };
    if (std::ranges::none_of(field, special)) {
        out += field;
        return;
    }
    out += '"';
    for (auto quote = field.find('"'); quote != std::string_view::npos; quote = field.find('"')) {
        out += field.substr(0, quote + 1);
        out += '"';
        field.remove_prefix(quote + 1);
    }
    out += field;
    out += '"';
}

void AppendTsvField(std::string& out, std::string_view field) {
    for (const char c : field) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
}

void AppendResultHeader(std::string& out, char separator) {
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        if (field > 0)
            out += separator;
        out += calc::kResults[field].field;
    }
}

} // namespace cli
