// SPDX-License-Identifier: MIT
#pragma once

#include "cli/single_output.h"
#include "planning/plan.h"

#include <string>

namespace cli {

// A plan in the output format: today's figures, the needed ones and the gap where the plan has
// them and the window's nine captions at the needed figures, then, with a growth, the month
// table. Text: aligned label lines, an empty line and an aligned table. CSV and TSV: one table,
// the month table when there are months, else a header and the plan's record. JSON: one
// document, {"plan":{...},"months":[...]}.
std::string RenderPlan(const planning::Plan& plan, const Output& output);

} // namespace cli
