// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calculator.h"
#include "planning/plan.h"

#include <array>

namespace planning {

// The inputs a plan takes from the calculator's boxes; the others are the plan's own.
inline constexpr std::array kFromCalculator = {PlanInput::Impressions, PlanInput::CTR,
                                               PlanInput::ECPM};

// A plan of the figures in the calculator's boxes now, for a goal of $1,000 a month and a
// steady traffic: what a plan starts from.
PlanTexts StartTexts(const calc::Calculator& calculator);

} // namespace planning
