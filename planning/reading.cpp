// SPDX-License-Identifier: MIT
#include "planning/reading.h"

namespace planning {

namespace {

bool Given(const PlanTexts& texts, PlanInput input) {
    return !calc::IsBlank(texts[input]);
}

} // namespace

bool IsRead(const PlanTexts& texts, PlanInput input) {
    const bool unread = input == PlanInput::Months && !Given(texts, PlanInput::Growth);
    return Given(texts, input) && !unread;
}

std::variant<PlanFigures, PlanRefusal> ReadPlan(const PlanTexts& texts) {
    std::array<std::optional<std::int64_t>, kAllPlanInputs.size()> read;
    const auto given = [&](PlanInput input) {
        return Given(texts, input);
    };
    for (const PlanInputFacts& facts : kPlanInputs) {
        if (!IsRead(texts, facts.input))
            continue;
        auto figure =
            calc::ReadFigureText(texts[facts.input], facts.form, texts.notation, facts.said);
        if (auto* refusal = std::get_if<calc::FigureRefusal>(&figure))
            return PlanRefusal{RefusalKind::BadInput, facts.input, std::move(refusal->sentence),
                               refusal->fault};
        read[static_cast<std::size_t>(facts.input)] = std::get<calc::ReadFigure>(figure).count;
    }
    const auto figure = [&](PlanInput input) {
        return read[static_cast<std::size_t>(input)];
    };

    PlanFigures figures;
    figures.goalCents = figure(PlanInput::Goal);
    figures.impressions = figure(PlanInput::Impressions);
    figures.pageViews = figure(PlanInput::PageViews);
    figures.trafficNamed =
        given(PlanInput::PageViews) || given(PlanInput::AdsPerPage) || given(PlanInput::FillRate);
    figures.adsPerPage = figure(PlanInput::AdsPerPage).value_or(figures.adsPerPage);
    figures.fillRate = figure(PlanInput::FillRate).value_or(figures.fillRate);
    figures.ctrHundredths = figure(PlanInput::CTR).value_or(figures.ctrHundredths);
    figures.ecpm = figure(PlanInput::ECPM).value_or(figures.ecpm);
    figures.ecpmGiven = figure(PlanInput::ECPM).has_value();
    figures.cpc = figure(PlanInput::CPC);
    figures.share = figure(PlanInput::Share).value_or(figures.share);
    figures.growth = figure(PlanInput::Growth);
    figures.months = figure(PlanInput::Months).value_or(figures.months);
    return figures;
}

} // namespace planning
