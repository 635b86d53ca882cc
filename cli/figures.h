// SPDX-License-Identifier: MIT
#pragma once

#include "calc/figure_entry.h"

#include <string>
#include <string_view>

// The figures a run starts from, by the names a command line and a file give them.
namespace cli {

using calc::Figure;
using calc::kAllFigures;
using Figures = calc::TypedFigures;

// "impressions", "ctr", "clicks", "ecpm": the option and column names.
const char* FigureName(Figure figure);

// The text as a JSON string: in double quotes, with quotes, backslashes and control
// characters escaped, so that a report stays on one line.
std::string Quoted(std::string_view text);

} // namespace cli
