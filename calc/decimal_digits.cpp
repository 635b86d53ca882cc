// SPDX-License-Identifier: MIT
#include "calc/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace calc {

DecimalDigits DecimalDigits::FromDouble15(double value) {
    // Where the shortest digits that read back as the value are fifteen or fewer, they are
    // its fifteen-digit form too (a double lies nearer to them than half a step of the
    // fifteenth digit), and they come far more cheaply.
    DecimalDigits shortest = FromDoubleShortest(value);
    if (shortest.digits.size() <= 15)
        return shortest;
    std::array<char, 64> text{};
    auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                   std::chars_format::scientific, 14);
    DecimalDigits result = FromScientific(text.data(), end);
    result.negative = std::signbit(value) && !result.isZero();
    return result;
}

DecimalDigits DecimalDigits::FromDoubleShortest(double value) {
    std::array<char, 64> text{};
    auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                   std::chars_format::scientific);
    DecimalDigits result = FromScientific(text.data(), end);
    result.negative = std::signbit(value) && !result.isZero();
    return result;
}

DecimalDigits DecimalDigits::FromTenThousandths(std::int64_t value) {
    DecimalDigits result;
    result.negative = value < 0;
    // Through unsigned, so that the most negative count has a magnitude too.
    const std::uint64_t magnitude =
        value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    result.digits = std::to_string(magnitude);
    result.pointPosition = static_cast<int>(result.digits.size()) - 4;
    result.normalise();
    return result;
}

// Reads "d.ddde+XX" as written by std::to_chars in scientific form.
DecimalDigits DecimalDigits::FromScientific(const char* first, const char* last) {
    DecimalDigits result;
    const char* exponentMark = std::find(first, last, 'e');
    for (const char* p = first; p != exponentMark; ++p) {
        if (*p != '.')
            result.digits.push_back(*p);
    }
    int exponent = 0;
    const char* exponentDigits = exponentMark + 1;
    if (exponentDigits != last && *exponentDigits == '+')
        ++exponentDigits;
    std::from_chars(exponentDigits, last, exponent);
    result.pointPosition = exponent + 1;
    result.normalise();
    return result;
}

void DecimalDigits::normalise() {
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        *this = DecimalDigits{};
        return;
    }
    digits.erase(0, firstNonZero);
    pointPosition -= static_cast<int>(firstNonZero);
    digits.erase(digits.find_last_not_of('0') + 1);
}

DecimalDigits DecimalDigits::roundedTo(int decimals, Halves halves) const {
    const int kept = pointPosition + decimals;
    if (kept >= static_cast<int>(digits.size()))
        return *this;
    if (kept < 0)
        return DecimalDigits{};

    const char firstDropped = digits[static_cast<std::size_t>(kept)];
    const bool moreAfterIt = kept + 1 < static_cast<int>(digits.size()); // no trailing zeros
    bool roundUp = firstDropped > '5';
    if (firstDropped == '5') {
        if (moreAfterIt || halves == Halves::AwayFromZero) {
            roundUp = true;
        } else {
            const char lastKept = kept > 0 ? digits[static_cast<std::size_t>(kept - 1)] : '0';
            roundUp = (lastKept - '0') % 2 == 1;
        }
    }

    DecimalDigits result;
    result.negative = negative;
    result.digits = digits.substr(0, static_cast<std::size_t>(kept));
    result.pointPosition = pointPosition;
    if (roundUp) {
        int position = kept - 1;
        while (position >= 0 && result.digits[static_cast<std::size_t>(position)] == '9') {
            result.digits[static_cast<std::size_t>(position)] = '0';
            --position;
        }
        if (position >= 0) {
            ++result.digits[static_cast<std::size_t>(position)];
        } else {
            result.digits.insert(result.digits.begin(), '1');
            ++result.pointPosition;
        }
    }
    result.normalise();
    result.negative = negative && !result.isZero();
    return result;
}

std::string DecimalDigits::integerDigits() const {
    if (pointPosition <= 0)
        return {};
    std::string result = digits.substr(0, static_cast<std::size_t>(pointPosition));
    result.resize(static_cast<std::size_t>(pointPosition), '0');
    return result;
}

std::string DecimalDigits::fractionDigits(int decimals) const {
    std::string result;
    for (int i = 0; i < decimals; ++i) {
        const int index = pointPosition + i;
        const bool inDigits = index >= 0 && index < static_cast<int>(digits.size());
        result.push_back(inDigits ? digits[static_cast<std::size_t>(index)] : '0');
    }
    return result;
}

DecimalDigits DecimalDigits::timesPowerOfTen(int exponent) const {
    DecimalDigits result = *this;
    if (!result.isZero())
        result.pointPosition += exponent;
    return result;
}

} // namespace calc
