// SPDX-License-Identifier: MIT
#pragma once

#include "cli/figures.h"
#include "planning/plan.h"

#include <string>
#include <variant>

// What a single run and a batch's row share when they ask for a plan.
namespace cli {

// The plan asked by a run's figures and its other inputs (the goal, the page views...), or, in
// the program's words, why it cannot be asked: the inputs' own checks are the engine's.
std::variant<planning::PlanTexts, std::string> PlanRequest(const Figures& figures,
                                                           planning::PlanTexts inputs);

// Why a pay per the word is not one: "paid per "day": it must be click or impression".
std::string BadPaidPer(std::string_view word);

// The engine's sentence as the program writes it after its name or a line number: starting in
// lower case, as every other message does.
std::string RefusalClause(const planning::PlanRefusal& refusal);

} // namespace cli
