// SPDX-License-Identifier: MIT
#include "calc/spin_button.h"

#include "calc/calc_error.h"
#include "calc/conversions.h"
#include "calc/input_box.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace calc {

SpinButton::SpinButton(InputBox& partner, const unsigned& messagesShown, std::int32_t value,
                       std::int32_t minimum, std::int32_t maximum, std::int32_t step)
    : partner_(partner), messagesShown_(messagesShown), value_(value), minimum_(minimum),
      maximum_(maximum), step_(step) {}

// A click goes on from the figure the user sees in the box, so typing 5000 and clicking
// up gives 5100. A box whose text is no usable figure leaves the arrows where they were.
std::int32_t SpinButton::startingValue() const {
    double figure = value_;
    try {
        figure = std::trunc(LeadingValue(partner_.text()));
    } catch (const CalcError&) {
        // beyond the double range: keep the arrows' own value
    }
    return static_cast<std::int32_t>(std::clamp<double>(figure, minimum_, maximum_));
}

bool SpinButton::click(int direction) {
    const unsigned shownBefore = messagesShown_;
    const std::int32_t start = startingValue();
    const std::int64_t wanted = std::int64_t{start} + std::int64_t{direction} * step_;
    const auto next =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(wanted, minimum_, maximum_));
    value_ = next;
    if (next != start)
        partner_.setText(std::to_string(next));
    return messagesShown_ != shownBefore;
}

} // namespace calc
