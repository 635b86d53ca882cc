// SPDX-License-Identifier: MIT
#include "fields.h"

#include <array>

namespace cli {

const char* FieldName(std::size_t field) {
    constexpr std::array<const char*, kFieldCount> names = {"actual_impressions",
                                                            "actual_clicks",
                                                            "actual_ctr",
                                                            "actual_ecpm",
                                                            "daily",
                                                            "weekly",
                                                            "monthly",
                                                            "yearly",
                                                            "epc"};
    return names.at(field);
}

const char* FieldLabel(std::size_t field) {
    constexpr std::array<const char*, kFieldCount> labels = {
        "Impressions", "Clicks",  "CTR",    "eCPM",       "Daily",
        "Weekly",      "Monthly", "Yearly", "Average EPC"};
    return labels.at(field);
}

std::string CaptionNumber(std::string_view caption) {
    std::string number;
    for (const char c : caption) {
        if (c == '$' || c == ',' || c == '%')
            continue;
        // JSON and most readers want a digit before the point.
        if (c == '.' && (number.empty() || number == "-"))
            number += '0';
        number += c;
    }
    return number;
}

} // namespace cli
