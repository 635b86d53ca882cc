// SPDX-License-Identifier: MIT
#pragma once

#include "projection.h"

#include <optional>
#include <string>
#include <string_view>

namespace cli {

enum class Format { Text, Csv, Json };

// "text", "csv" or "json".
std::optional<Format> FormatNamed(std::string_view name);

// The captions of one run: aligned label lines, a CSV header and row, or one JSON object.
std::string RenderCaptions(const Captions& captions, Format format);

} // namespace cli
