// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace calc {

class InputBox;

// The up and down arrows beside an input box. A click acts only by writing the new
// value into the partner box, whose change handling does the rest.
class SpinButton {
public:
    SpinButton(InputBox& partner, std::int32_t value, std::int32_t minimum, std::int32_t maximum,
               std::int32_t step);

    void up() { click(+1); }
    void down() { click(-1); }

    std::int32_t value() const { return value_; }
    std::int32_t minimum() const { return minimum_; }
    std::int32_t maximum() const { return maximum_; }
    std::int32_t step() const { return step_; }
    void setStep(std::int32_t step) { step_ = step; }

    InputBox& partner() const { return partner_; }

private:
    void click(int direction);
    std::int32_t startingValue() const;

    InputBox& partner_;
    std::int32_t value_;
    std::int32_t minimum_;
    std::int32_t maximum_;
    std::int32_t step_;
};

} // namespace calc
