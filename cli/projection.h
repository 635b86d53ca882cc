// SPDX-License-Identifier: MIT
#pragma once

#include "cli/figures.h"

#include <string>
#include <string_view>
#include <variant>

namespace cli {

// Why a run has no captions, in the program's words: ecpm "1.2.3": there is more than one ".".
struct Problem {
    std::string description;
};

// The captions, or why there are none.
using Projection = std::variant<calc::Captions, Problem>;

// The window's captions for the figures, each pasted into its box; the CTR and the clicks are
// refused together, since the last typed would silently win. A CTR with the two decimals a
// plan takes is refused with where they are taken: planWith names what makes a run a plan.
Projection Project(const Figures& figures, std::string_view planWith = "--goal, --growth ...");

} // namespace cli
