// SPDX-License-Identifier: MIT
#pragma once

#include "cli/figures.h"
#include "planning/refusal.h"

#include <optional>
#include <string>
#include <string_view>

// How a batch's header names the figure columns.
namespace cli {

// The figure a column holds: its name ("ctr") or the window's heading for it ("CTR (%):"), in
// any case, with or without the colon, blanks and brackets ("CTR %", "eCPM($)").
std::optional<Figure> FigureOfColumn(std::string_view name);

// The plan's input a column holds beside the figures: "goal", "pageviews", "ads_per_page",
// "fill_rate", "cpc" or "share", or the Plan window's label for it ("Fill rate (%)", "Goal ($)"),
// in any case, blanks, underscores and brackets ignored ("page views", "fillrate").
std::optional<planning::PlanInput> PlanColumnOf(std::string_view name);

// Whether the column says what the pay is for: "paid_per", read as the plan's columns are.
bool IsPaidPerColumn(std::string_view name);

// The name of the figure or plan column that a column holding neither seems meant for: one
// letter off (two for the longer names), a swap of neighbours counting as one, such as "ctrs",
// "ecmp", "impresions" or "pagevews".
std::optional<std::string> MisspeltColumn(std::string_view name);

} // namespace cli
