// SPDX-License-Identifier: MIT
#pragma once

#include "cli/projection.h"

#include <optional>
#include <string>
#include <string_view>

namespace cli {

enum class Format { Text, Csv, Tsv, Json };

// How results are written. numbers and header are for CSV and TSV only.
struct Output {
    Format format = Format::Text;
    bool numbers = false; // plain numbers (as JSON's "value") instead of the captions
    bool header = true;   // the header record first
};

// "text", "csv", "tsv" or "json", in any case.
std::optional<Format> FormatNamed(std::string_view name);

// The captions of one run: aligned label lines, a CSV or TSV header and row, or one JSON
// object.
std::string RenderCaptions(const calc::Captions& captions, const Output& output);

} // namespace cli
