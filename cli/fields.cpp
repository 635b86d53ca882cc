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

} // namespace cli
