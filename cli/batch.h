// SPDX-License-Identifier: MIT
#pragma once

#include "cli/program.h"
#include "cli/single_output.h"

#include <istream>
#include <ostream>

namespace cli {

// Computes every row of a CSV of sites on its own, from the calculator's start state, and
// writes the rows in input order as they come: the input columns and the nine results (CSV),
// or one JSON object per line. The columns impressions, ctr, clicks and ecpm (see
// FigureOfColumn) are the figures; an empty cell is a figure not given. A bad row goes to err
// with its line number and is written with empty results. A header without figure columns,
// or one that would give two output columns one name, stops the batch, as does output that
// cannot be written. Returns the exit code.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const Output& output);

} // namespace cli
