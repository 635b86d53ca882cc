// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calculator.h"

#include <string_view>

// Whether a caption has the form its label shows figures in: "0.0%" or two decimals and
// "%", "0" or one decimal for clicks, "$0.00" or two decimals for money, and so on.
// Written by hand rather than as regular expressions so that the fuzzers stay fast.
namespace caption_forms {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    bool take(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    int digits() {
        int count = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            ++pos_;
            ++count;
        }
        return count;
    }
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool atEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// An integer part without leading zeros, possibly absent ("", "0", "105", not "05").
inline bool IntegerPart(Reader& r, bool grouped) {
    if (r.take('0'))
        return r.peek() < '0' || r.peek() > '9';
    if (r.peek() < '1' || r.peek() > '9')
        return true;
    const int first = r.digits();
    if (!grouped)
        return true;
    if (first > 3)
        return false;
    while (r.take(','))
        if (r.digits() != 3)
            return false;
    return true;
}

inline bool Decimals(Reader& r, int count) {
    return r.take('.') && r.digits() == count;
}

inline bool Money(std::string_view text, bool grouped) {
    Reader r(text);
    r.take('-');
    return r.take('$') && IntegerPart(r, grouped) && Decimals(r, 2) && r.atEnd();
}

inline bool Clicks(std::string_view text) {
    if (text == "0")
        return true;
    Reader r(text);
    r.take('-');
    return IntegerPart(r, false) && Decimals(r, 1) && r.atEnd();
}

inline bool Percent(std::string_view text) {
    if (text == "0.0%")
        return true;
    Reader r(text);
    r.take('-');
    return IntegerPart(r, false) && Decimals(r, 2) && r.take('%') && r.atEnd();
}

// A plain number text: no trailing zeros after the point, exponent form for the extremes.
inline bool PlainNumber(std::string_view text) {
    Reader r(text);
    r.take('-');
    const char first = r.peek();
    if (!IntegerPart(r, false) || first < '0' || first > '9')
        return false;
    if (r.take('.')) {
        // At least one fraction digit, and no trailing zero among them.
        const std::string_view mantissa = text.substr(0, text.find('E'));
        if (r.digits() == 0 || mantissa.back() == '0')
            return false;
    }
    if (r.take('E')) {
        if (!(r.take('+') || r.take('-')) || r.digits() < 2)
            return false;
    }
    return r.atEnd();
}

inline bool HasCaptionForm(calc::Caption caption, std::string_view text) {
    switch (caption) {
    case calc::Caption::ActualImpressions:
        return PlainNumber(text);
    case calc::Caption::ProjectedClicks:
        return Clicks(text);
    case calc::Caption::ProjectedCTR:
        return Percent(text);
    case calc::Caption::EPC:
        return Money(text, false);
    default:
        return Money(text, true);
    }
}

} // namespace caption_forms
