// SPDX-License-Identifier: MIT
#include "calc/input_check.h"

#include "calc/conversions.h"
#include "calc/utf8.h"

namespace calc {
namespace {

constexpr double kMostPercent = 100;

bool Accepted(char first) {
    return first == '.' || (first >= '0' && first <= '9');
}

bool WholePercentAtLimit(std::string_view wholePercent) {
    return LeadingValue(wholePercent) >= kMostPercent;
}

} // namespace

InputCheck CheckInput(Box which, std::string_view text) {
    InputCheck check;
    check.emptied = which == Box::Impressions && text.starts_with('0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i]))
            continue;
        ++check.length;
        if (check.rejectedAt == 0 && !Accepted(text[i])) {
            check.rejectedAt = check.length;
            std::size_t next = i + 1;
            while (next < text.size() && IsContinuationByte(text[next]))
                ++next;
            check.rejected = text.substr(i, next - i);
        }
    }
    check.tooLong = check.length > TypingLimit(which);
    return check;
}

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

bool WholePercentAboveLimit(std::string_view wholePercent) {
    return LeadingValue(wholePercent) > kMostPercent;
}

bool TenthsAboveLimit(std::string_view wholePercent, std::string_view tenths) {
    return WholePercentAtLimit(wholePercent) && LeadingValue(tenths) > 0;
}

} // namespace calc
