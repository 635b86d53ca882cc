// SPDX-License-Identifier: MIT
#pragma once

#include "cli/single_output.h"
#include "planning/plan.h"

#include <string>

namespace cli {

// A plan in the output format: the needed figures present and the window's nine captions at
// them, then, with a growth, the month table. Text: aligned label lines, an empty line and an
// aligned table. CSV: a header and a record, an empty record and the month table's header and
// records. JSON: one object a line, the figures first, then each month.
std::string RenderPlan(const planning::Plan& plan, const Output& output);

} // namespace cli
