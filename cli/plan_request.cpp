// SPDX-License-Identifier: MIT
#include "cli/plan_request.h"

#include <cctype>

namespace cli {

std::variant<planning::PlanTexts, std::string> PlanRequest(const Figures& figures,
                                                           planning::PlanTexts inputs) {
    using planning::PlanInput;
    if (figures[Figure::Clicks])
        return std::string("a plan takes the CTR, not the clicks");
    // The ads per page and the fill rate turn page views into impressions: given page views,
    // or page views a goal finds; anywhere else they would change nothing.
    const bool pageViews =
        !inputs[PlanInput::PageViews].empty() ||
        (!inputs[PlanInput::Goal].empty() && inputs.solve == planning::Solve::Impressions);
    if (!pageViews && !inputs[PlanInput::AdsPerPage].empty())
        return std::string("the ads per page are for page views: give the page views too");
    if (!pageViews && !inputs[PlanInput::FillRate].empty())
        return std::string("the fill rate is for page views: give the page views too");
    inputs[PlanInput::Impressions] = figures[Figure::Impressions].value_or("");
    inputs[PlanInput::CTR] = figures[Figure::CTR].value_or("");
    inputs[PlanInput::ECPM] = figures[Figure::ECPM].value_or("");
    return inputs;
}

std::string BadPaidPer(std::string_view word) {
    return "paid per " + Quoted(word) + ": it must be click or impression";
}

std::string RefusalClause(const planning::PlanRefusal& refusal) {
    std::string clause = refusal.sentence;
    if (!clause.empty())
        clause[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(clause[0])));
    return clause;
}

} // namespace cli
