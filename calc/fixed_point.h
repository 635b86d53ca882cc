// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace calc {

// Money with four decimals: a signed 64-bit count of ten-thousandths.
// Arithmetic is done in double; ToFixedPoint brings the result back.
struct FixedPoint {
    std::int64_t tenThousandths = 0;

    double toDouble() const { return static_cast<double>(tenThousandths) / 10000.0; }
    friend bool operator==(FixedPoint, FixedPoint) = default;
};

} // namespace calc
