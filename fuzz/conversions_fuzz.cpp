// SPDX-License-Identifier: MIT
// Arbitrary bytes through the number conversions: no crash, no sanitizer report, and the
// texts made are the texts promised.
#include "calc/calc_error.h"
#include "calc/conversions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

constexpr calc::Pattern kPatterns[] = {calc::Pattern::Earnings,      calc::Pattern::ECPM,
                                       calc::Pattern::EPC,           calc::Pattern::Percent,
                                       calc::Pattern::PercentOfText, calc::Pattern::Clicks};

void CheckNumber(double value) {
    try {
        const std::string text = calc::PlainNumberText(value);
        // The text reads back as the same figure to 15 significant digits.
        const double back = calc::StrictValue(text);
        Require(back == value || std::fabs(back - value) <= std::fabs(value) * 1e-14);
    } catch (const calc::CalcError& error) {
        // Fifteen digits of the largest doubles round up past the range on the way back.
        Require(error.number() == calc::CalcError::kOverflow &&
                !(std::fabs(value) < 1.79769313486231e308));
    }
    try {
        const calc::FixedPoint fixed = calc::ToFixedPoint(value);
        Require(std::fabs(fixed.toDouble() - value) <= 0.00005 + std::fabs(value) * 1e-15);
    } catch (const calc::CalcError& error) {
        Require(error.number() == calc::CalcError::kOverflow);
        Require(!std::isfinite(value) || std::fabs(value) >= 922337203685477.0);
    }
    for (const calc::Pattern pattern : kPatterns) {
        try {
            const std::string text = calc::FormatPattern(value, pattern);
            Require(text.find('.') != std::string::npos);
            calc::CaptionText(value, pattern);
        } catch (const calc::CalcError& error) {
            Require(error.number() == calc::CalcError::kOverflow && !std::isfinite(value));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    try {
        CheckNumber(calc::LeadingValue(text));
    } catch (const calc::CalcError& error) {
        Require(error.number() == calc::CalcError::kOverflow);
    }
    try {
        const double value = calc::StrictValue(text);
        Require(value == calc::LeadingValue(text));
        calc::FormatPattern(text, calc::Pattern::PercentOfText);
    } catch (const calc::CalcError& error) {
        Require(error.number() == calc::CalcError::kTypeMismatch ||
                error.number() == calc::CalcError::kOverflow);
    }

    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        CheckNumber(value);
    }
    if (size >= sizeof(std::int64_t)) {
        calc::FixedPoint fixed;
        std::memcpy(&fixed.tenThousandths, data, sizeof fixed.tenThousandths);
        for (const calc::Pattern pattern : kPatterns)
            calc::FormatPattern(fixed, pattern);
    }
    return 0;
}
