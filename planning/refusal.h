// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>

namespace planning {

// What a plan is given.
enum class PlanInput {
    Goal,
    Impressions,
    PageViews,
    AdsPerPage,
    FillRate,
    CTR,
    ECPM,
    Growth,
    Months,
};
inline constexpr std::array kAllPlanInputs = {
    PlanInput::Goal,       PlanInput::Impressions, PlanInput::PageViews,
    PlanInput::AdsPerPage, PlanInput::FillRate,    PlanInput::CTR,
    PlanInput::ECPM,       PlanInput::Growth,      PlanInput::Months,
};

// "goal", "impressions", "pageviews", "ads_per_page", "fill_rate", "ctr", "ecpm", "growth",
// "months": the names of the columns of a batch (options write "_" as "-").
const char* PlanInputName(PlanInput input);

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
    std::optional<PlanInput> input; // the input to change, where there is one
    std::string sentence;           // the one sentence every view shows
};

} // namespace planning
