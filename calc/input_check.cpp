// SPDX-License-Identifier: MIT
#include "input_check.h"

#include "conversions.h"
#include "utf8.h"

namespace calc {
namespace {

constexpr double kMostPercent = 100;

bool Accepted(char first) {
    return first == '.' || (first >= '0' && first <= '9');
}

} // namespace

InputCheck CheckInput(Box which, std::string_view text) {
    InputCheck check;
    check.length = CharacterCount(text);
    check.tooLong = check.length > TypingLimit(which);
    check.emptied = which == Box::Impressions && text.starts_with('0');
    std::size_t next = 0;
    for (int position = 1; next < text.size(); ++position) {
        const std::size_t from = next;
        for (++next; next < text.size() && IsContinuationByte(text[next]);)
            ++next;
        if (!Accepted(text[from])) {
            check.rejectedAt = position;
            check.rejected = text.substr(from, next - from);
            break;
        }
    }
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
    return LeadingValue(wholePercent) >= kMostPercent && LeadingValue(tenths) > 0;
}

} // namespace calc
