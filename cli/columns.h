// SPDX-License-Identifier: MIT
#pragma once

#include "cli/figures.h"
#include "planning/refusal.h"

#include <optional>
#include <string_view>

// How a batch's header names the figure columns.
namespace cli {

// The figure a column holds: its name ("ctr") or the window's heading for it ("CTR (%):"), in
// any case, with or without the colon, blanks and brackets ("CTR %", "eCPM($)").
std::optional<Figure> FigureOfColumn(std::string_view name);

// The figure a column that holds none seems meant for: a name one letter off a figure's
// name (two for the longer names), a swap of neighbours counting as one, such as "ctrs",
// "ecmp" or "impresions".
std::optional<Figure> MisspeltFigure(std::string_view name);

// The plan's input a column holds beside the figures: "goal", "pageviews", "ads_per_page" or
// "fill_rate", in any case, blanks and brackets ignored.
std::optional<planning::PlanInput> PlanColumnOf(std::string_view name);

} // namespace cli
