// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The nine result fields, in the order of the captions.
namespace cli {

inline constexpr std::size_t kFieldCount = 9;

// "actual_impressions", ..., "epc": the names in every output format.
const char* FieldName(std::size_t field);

// "Impressions", ..., "Average EPC": the labels the window shows beside the captions.
const char* FieldLabel(std::size_t field);

// The caption as a number text: without "$", "," and "%", and with a "0" before a leading
// point, so that "$1,095.00" gives 1095.00 and "$.25" gives 0.25.
std::string CaptionNumber(std::string_view caption);

} // namespace cli
