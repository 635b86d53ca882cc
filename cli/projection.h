// SPDX-License-Identifier: MIT
#pragma once

#include "figures.h"

#include <array>
#include <string>
#include <variant>

namespace cli {

// The nine captions of the window's "Actual Numbers" and "Earnings" columns, in the
// order of calc::kAllCaptions.
using Captions = std::array<std::string, 9>;

// The captions, or why there are none.
using Projection = std::variant<Captions, Problem>;

// Starts a calculator from its start state and writes each given figure into its box as
// one edit, as a paste over the box's whole text does (blanks taken out): the impressions, then the
// CTR (whole percent, then tenths) or the clicks, then the eCPM. The figures are checked first; a
// message the calculator shows on the way is a problem too.
Projection Project(const Figures& figures);

} // namespace cli
