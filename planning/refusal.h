// SPDX-License-Identifier: MIT
#pragma once

#include "planning/inputs.h"

#include <optional>
#include <string>

namespace planning {

// Why a plan has no figures: never a wrong one, an infinity or a cut figure instead.
enum class RefusalKind {
    BadInput,    // not a number of the input's form, or outside its range
    Missing,     // the plan needs an input that is not given
    Conflict,    // two inputs that say the same thing are both given
    Unreachable, // no clicks or no money: no traffic reaches the goal
    BeyondRange, // the figures would leave the engine's range
};

struct PlanRefusal {
    RefusalKind kind;
    std::optional<PlanInput> input;              // the input to change, where there is one
    std::string sentence;                        // the one sentence every view shows
    std::optional<calc::ReadingFault> reading{}; // why a BadInput's text is no figure
};

} // namespace planning
