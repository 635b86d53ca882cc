// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

// The nine result fields, in the order of the captions.
namespace cli {

inline constexpr std::size_t kFieldCount = 9;

// "actual_impressions", ..., "epc": the names in every output format.
const char* FieldName(std::size_t field);

// "Impressions", ..., "Average EPC": the labels the window shows beside the captions.
const char* FieldLabel(std::size_t field);

} // namespace cli
