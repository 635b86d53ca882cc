// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace calc {

// What went wrong, for callers that act on a failure rather than show it.
enum class ErrorKind { Overflow, DivisionByZero, TypeMismatch };

// A failure raised into the running handler. Handlers that trap errors turn it into
// a message box built from the description and the source.
class CalcError : public std::runtime_error {
public:
    CalcError(ErrorKind kind, std::string description, std::string source);

    ErrorKind kind() const { return kind_; }
    std::int32_t number() const;
    const std::string& description() const { return description_; }
    const std::string& source() const { return source_; }

    static constexpr std::int32_t kOverflow = 6;
    static constexpr std::int32_t kDivisionByZero = 11;
    static constexpr std::int32_t kTypeMismatch = 13;

private:
    ErrorKind kind_;
    std::string description_;
    std::string source_;
};

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseDivisionByZero();
[[noreturn]] void raiseTypeMismatch();

// Every floating-point result passes through here: an infinite or NaN value is an
// overflow, never a figure on screen.
double checked(double value);

// Division with the divide-by-zero error instead of an infinity.
double divide(double dividend, double divisor);

} // namespace calc
