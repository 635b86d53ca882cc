// SPDX-License-Identifier: MIT
#include "calc/input_box.h"

namespace calc {

InputBox::InputBox(std::string name, int typingLimit)
    : name_(std::move(name)), typingLimit_(typingLimit) {}

InputBox::~InputBox() = default;

void InputBox::raiseChange() {
    if (changeHandler_)
        changeHandler_();
}

} // namespace calc
