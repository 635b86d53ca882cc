// SPDX-License-Identifier: MIT
#include "planning/chart_axis.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace planning {

namespace {

constexpr std::int64_t kLargestTop = 9'000'000'000'000'000'000;
constexpr std::int64_t kLargestStep = 1'000'000'000'000'000'000;
constexpr std::int64_t kDollar = 100;
constexpr int kMonthsAsNumbers = 24;
constexpr int kYear = 12;
constexpr std::array kMonthSteps = {1, 2, 3, 6, 12};
constexpr std::array kYearSteps = {1, 2, 5, 10};

// Labels `step` months apart stand at least as far apart as `fitting` labels side by side
// across all the months.
bool Fits(int months, int step, int fitting) {
    return fitting > 0 && static_cast<std::int64_t>(step) * fitting >= months;
}

// Every step divides kLargestTop, so no tick passes it: the scale stays within 64 bits.
std::int64_t StepFor(std::int64_t top, int most) {
    for (std::int64_t power = 1; power < kLargestStep; power *= 10) {
        for (const std::int64_t times : {1, 2, 5}) {
            const std::int64_t step = power * times;
            if (top / step + (top % step != 0) < most)
                return step;
        }
    }
    return kLargestStep;
}

std::string Digits(std::int64_t value) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), end};
}

// The finest of the steps (counted in `unit` months) that fits; where none does, one past the
// months, which leaves month 1 alone among month numbers and no year.
int FinestFitting(const auto& steps, int unit, int months, int fitting) {
    for (const int step : steps) {
        if (Fits(months, step * unit, fitting))
            return step * unit;
    }
    return (months / unit + 1) * unit;
}

// Labels at month first and every `step` months after it.
std::vector<MonthLabel> Every(int months, int first, int step, auto&& text) {
    std::vector<MonthLabel> labels;
    for (int month = first; month <= months; month += step)
        labels.push_back({month, text(month)});
    return labels;
}

} // namespace

std::vector<std::int64_t> DollarTicks(std::int64_t top, int most) {
    top = top <= 0 ? kDollar : std::min(top, kLargestTop);
    const std::int64_t step = StepFor(top, std::max(most, 2));
    std::vector<std::int64_t> ticks = {0};
    while (ticks.back() < top)
        ticks.push_back(ticks.back() + step);
    return ticks;
}

std::string DollarTickText(std::int64_t cents, std::int64_t step) {
    std::string dollars = Digits(cents / kDollar);
    for (auto at = static_cast<std::ptrdiff_t>(dollars.size()) - 3; at > 0; at -= 3)
        dollars.insert(static_cast<std::size_t>(at), 1, ',');
    std::string text = "$" + dollars;
    if (step < kDollar) {
        const std::string hundredths = Digits(cents % kDollar + kDollar);
        text += "." + hundredths.substr(1);
    }
    return text;
}

std::vector<MonthLabel> MonthLabels(int months, LabelRoom room) {
    // A long text is never narrower than a short one: no room for short ones, none for any.
    if (room.shortTexts <= 0 || months <= 0)
        return {};
    if (months <= kMonthsAsNumbers) {
        const int step = FinestFitting(kMonthSteps, 1, months, room.shortTexts);
        return Every(months, 1, step, [](int month) { return Digits(month); });
    }
    if (Fits(months, kYear, room.longTexts))
        return Every(months, kYear, kYear,
                     [](int month) { return "Year " + Digits(month / kYear); });
    const int step = FinestFitting(kYearSteps, kYear, months, room.shortTexts);
    return Every(months, step, step, [](int month) { return "Y" + Digits(month / kYear); });
}

} // namespace planning
