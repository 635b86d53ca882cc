// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calculator.h"

#include <string>
#include <string_view>

namespace calc {

// What the boxes make of a text that comes into them: what the character check warns about
// or clears, and what typing could not have put there. The calculator acts on it as a text
// arrives; other callers can learn it before writing the text.
struct InputCheck {
    int length = 0;            // in characters
    bool emptied = false;      // the impressions box clears a text that starts with "0"
    int rejectedAt = 0;        // the first character other than a digit or ".", from 1; 0: none
    std::string_view rejected; // that character, whole
    bool tooLong = false;      // more characters than the box lets the user type
};

InputCheck CheckInput(Box which, std::string_view text);

// The text as a box keeps it: every box takes out the blanks written into it, and a blank
// takes no room when pasted.
std::string WithoutBlanks(std::string text);

// The CTR edit holds the rate at 100 percent: a whole percent above 100 is cut to 100, and
// then the tenths of 100 percent are set to 0. The tenths are read only at the limit: this
// runs on every keystroke.
bool WholePercentAboveLimit(std::string_view wholePercent);
bool TenthsAboveLimit(std::string_view wholePercent, std::string_view tenths);

} // namespace calc
