// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"

#include <string>

namespace planning {

// The varnelcalc-cli line that makes the same plan, for a POSIX shell:
// "varnelcalc-cli --goal 1000 --impressions 10000 --ctr 2.5 --ecpm 2.5 --growth 5 --months 12".
// It names only what the plan reads, in the options' table order: the goal, its period and what
// it is solved for (each only with a goal and away from the default month and impressions),
// then every input given and read, each under its column's name with "_" written "-", and a pay
// per impression. A value
// any shell character could change is put in single quotes.
std::string CommandLine(const PlanTexts& texts);

} // namespace planning
