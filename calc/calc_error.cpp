// SPDX-License-Identifier: MIT
#include "calc/calc_error.h"

#include <cmath>

namespace calc {
namespace {
constexpr const char* kSource = "VarnelCalc";
}

CalcError::CalcError(ErrorKind kind, std::string description, std::string source)
    : std::runtime_error(description), kind_(kind), description_(std::move(description)),
      source_(std::move(source)) {}

std::int32_t CalcError::number() const {
    switch (kind_) {
    case ErrorKind::Overflow:
        return kOverflow;
    case ErrorKind::DivisionByZero:
        return kDivisionByZero;
    case ErrorKind::TypeMismatch:
        break;
    }
    return kTypeMismatch;
}

void raiseOverflow() {
    throw CalcError(ErrorKind::Overflow, "Overflow", kSource);
}

void raiseDivisionByZero() {
    throw CalcError(ErrorKind::DivisionByZero, "Division by zero", kSource);
}

void raiseTypeMismatch() {
    throw CalcError(ErrorKind::TypeMismatch, "Type mismatch", kSource);
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
