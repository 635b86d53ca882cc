// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace calc {

class InputBox;

// The up and down arrows beside an input box. A click acts only by writing the new
// value into the partner box, whose change handling does the rest.
class SpinButton {
public:
    // messagesShown is the calculator's count of the message boxes it has shown.
    SpinButton(InputBox& partner, const unsigned& messagesShown, std::int32_t value,
               std::int32_t minimum, std::int32_t maximum, std::int32_t step);

    // Each returns whether the click raised a message box, so that a held arrow can stop.
    bool up() { return click(+1); }
    bool down() { return click(-1); }

    std::int32_t value() const { return value_; }
    std::int32_t minimum() const { return minimum_; }
    std::int32_t maximum() const { return maximum_; }
    std::int32_t step() const { return step_; }
    void setStep(std::int32_t step) { step_ = step; }

    InputBox& partner() const { return partner_; }

private:
    bool click(int direction);
    std::int32_t startingValue() const;

    InputBox& partner_;
    const unsigned& messagesShown_;
    std::int32_t value_;
    std::int32_t minimum_;
    std::int32_t maximum_;
    std::int32_t step_;
};

} // namespace calc
