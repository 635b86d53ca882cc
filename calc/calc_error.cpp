// SPDX-License-Identifier: MIT
#include "calc_error.h"

#include <cmath>

namespace calc {
namespace {
constexpr const char* kSource = "VarnelCalc";
}

CalcError::CalcError(std::int32_t number, std::string description, std::string source)
    : std::runtime_error(description), number_(number), description_(std::move(description)),
      source_(std::move(source)) {}

void raiseOverflow() {
    throw CalcError(CalcError::kOverflow, "Overflow", kSource);
}

void raiseDivisionByZero() {
    throw CalcError(CalcError::kDivisionByZero, "Division by zero", kSource);
}

void raiseTypeMismatch() {
    throw CalcError(CalcError::kTypeMismatch, "Type mismatch", kSource);
}

double checked(double value) {
    if (!std::isfinite(value))
        raiseOverflow();
    return value;
}

double divide(double dividend, double divisor) {
    if (divisor == 0)
        raiseDivisionByZero();
    return checked(dividend / divisor);
}

} // namespace calc
