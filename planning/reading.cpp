// SPDX-License-Identifier: MIT
#include "planning/reading.h"

#include <algorithm>
#include <charconv>

namespace planning {
namespace {

// What an input takes: a number with at most so many decimals, within a range of counts of
// its smallest unit, optionally after a "$" or before a "%".
struct InputForm {
    int decimals;
    std::int64_t least;
    std::int64_t most;
    char unit; // '$', '%' or none
    const char* sentence;
};

constexpr std::array kForms = {
    InputForm{2, 1, kMostCount, '$',
              "The goal must be an amount from $0.01 to $9,999,999,999,999.99."},
    InputForm{0, 0, kMostCount, 0,
              "The impressions must be a whole number from 0 to 999,999,999,999,999."},
    InputForm{0, 0, kMostCount, 0,
              "The page views must be a whole number from 0 to 999,999,999,999,999."},
    InputForm{0, 0, 100, 0, "The ads per page must be a whole number from 0 to 100."},
    InputForm{2, 0, 10000, '%',
              "The fill rate must be a percentage from 0 to 100, with at most two decimals."},
    InputForm{1, 0, 1000, '%',
              "The CTR must be a percentage from 0 to 100, with at most one decimal."},
    InputForm{4, 0, kMostCount, '$',
              "The eCPM must be an amount from $0 to $99,999,999,999.9999, with at most four "
              "decimals."},
    InputForm{2, -9999, 100000, '%',
              "The growth must be a percentage above -100 and up to 1000, with at most two "
              "decimals."},
    InputForm{0, 1, 120, 0, "The months must be a whole number from 1 to 120."},
};
static_assert(kForms.size() == kAllPlanInputs.size());

bool AllDigits(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The text as a count of the form's smallest unit: blanks anywhere, a sign only where the
// range goes below 0.
std::optional<std::int64_t> Scaled(std::string text, const InputForm& form) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    std::string_view rest = text;
    const bool negative = form.least < 0 && rest.starts_with('-');
    if (negative)
        rest.remove_prefix(1);
    if (form.unit == '$' && rest.starts_with('$'))
        rest.remove_prefix(1);
    if (form.unit == '%' && rest.ends_with('%'))
        rest.remove_suffix(1);
    const auto point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : rest.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction) ||
        fraction.size() > static_cast<std::size_t>(form.decimals))
        return std::nullopt;

    std::string digits = std::string(whole) + std::string(fraction);
    digits.append(static_cast<std::size_t>(form.decimals) - fraction.size(), '0');
    std::int64_t count = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    if (negative)
        count = -count;
    if (count < form.least || count > form.most)
        return std::nullopt;
    return count;
}

} // namespace

const char* PlanInputName(PlanInput input) {
    constexpr std::array names = {"goal", "impressions", "pageviews", "ads_per_page", "fill_rate",
                                  "ctr",  "ecpm",        "growth",    "months"};
    return names[static_cast<std::size_t>(input)];
}

std::variant<PlanFigures, PlanRefusal> ReadPlan(const PlanTexts& texts) {
    std::array<std::optional<std::int64_t>, kAllPlanInputs.size()> read;
    const auto given = [&](PlanInput input) {
        return !texts[input].empty();
    };
    const auto unread = [&](PlanInput input) {
        return (input == PlanInput::ECPM && texts.solve == Solve::ECPM) ||
               (input == PlanInput::Months && !given(PlanInput::Growth));
    };
    for (const PlanInput input : kAllPlanInputs) {
        if (!given(input) || unread(input))
            continue;
        const InputForm& form = kForms[static_cast<std::size_t>(input)];
        read[static_cast<std::size_t>(input)] = Scaled(texts[input], form);
        if (!read[static_cast<std::size_t>(input)])
            return PlanRefusal{RefusalKind::BadInput, input, form.sentence};
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
    figures.ctrTenths = figure(PlanInput::CTR).value_or(figures.ctrTenths);
    figures.ecpm = figure(PlanInput::ECPM).value_or(figures.ecpm);
    figures.growth = figure(PlanInput::Growth);
    figures.months = figure(PlanInput::Months).value_or(figures.months);
    return figures;
}

} // namespace planning
