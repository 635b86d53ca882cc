// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace calc {

// A decimal number as its digits: value = 0.d1d2...dn × 10^pointPosition. Rounding is
// done on these digits, so a double such as 0.285 rounds as the decimal it prints as.
struct DecimalDigits {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int pointPosition = 0;

    bool isZero() const { return digits.empty(); }

    // The value rounded to 15 significant digits, as it is shown to people.
    static DecimalDigits FromDouble15(double value);
    // The shortest digits that read back as the same double.
    static DecimalDigits FromDoubleShortest(double value);
    // An exact count of ten-thousandths.
    static DecimalDigits FromTenThousandths(std::int64_t value);

    enum class Halves { AwayFromZero, ToEven };
    DecimalDigits roundedTo(int decimals, Halves halves) const;

    // Digits before the point ("" below 1) and exactly `decimals` digits after it.
    std::string integerDigits() const;
    std::string fractionDigits(int decimals) const;

    DecimalDigits timesPowerOfTen(int exponent) const;

private:
    static DecimalDigits FromScientific(const char* first, const char* last);
    void normalise();
};

} // namespace calc
