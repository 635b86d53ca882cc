// SPDX-License-Identifier: MIT
#pragma once

#include "calc/results.h"

#include <string>
#include <string_view>

namespace cli {

// A JSON string. Control characters are escaped; bytes that are not UTF-8 become U+FFFD,
// so the output stays valid JSON whatever the input file's encoding.
void AppendJsonString(std::string& out, std::string_view text);

// One member "name":{"shown":caption,"value":number}, without a comma.
void AppendJsonFigure(std::string& out, std::string_view name, std::string_view caption);

// The nine members "name":{"shown":caption,"value":number}, comma-separated, without the
// braces of the object; each member is null when there are no captions.
// With gross, the amounts are named as shown beside their net ("gross_daily").
void AppendJsonResults(std::string& out, const calc::Captions* captions, bool gross = false);

} // namespace cli
