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

std::string ResultField(calc::Caption caption, bool gross) {
    const bool amount =
        std::ranges::find(calc::kEarningsCaptions, caption) != calc::kEarningsCaptions.end() &&
        caption != calc::Caption::EPC;
    return (gross && amount ? "gross_" : "") + std::string(calc::ResultOf(caption).field);
}

void AppendResultHeader(std::string& out, char separator, bool gross) {
    for (const calc::Caption caption : calc::kAllCaptions) {
        if (caption != calc::kAllCaptions.front())
            out += separator;
        out += ResultField(caption, gross);
    }
}

} // namespace cli
