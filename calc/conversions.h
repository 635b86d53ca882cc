// SPDX-License-Identifier: MIT
#pragma once

#include "calc/fixed_point.h"

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between figures and texts. Every text uses "." as the decimal point and
// "," to group thousands, whatever the process locale.
namespace calc {

// The number at the start of the text; 0 when it starts with none. Blanks, tabs and
// line feeds are skipped wherever they stand. Raises overflow beyond the double range.
double LeadingValue(std::string_view text);

// The whole text (apart from surrounding blanks) as one number, or a type mismatch.
double StrictValue(std::string_view text);

// Shortest text of the value with at most 15 significant digits; exponent form from
// 1E+15 upwards and below 0.0001.
std::string PlainNumberText(double value);

// The value kept to four decimals, exact halves to even; overflow outside the range.
FixedPoint ToFixedPoint(double value);

enum class Pattern {
    Earnings,      // "$#,###,###.#0"
    ECPM,          // "$#,###.#0"
    EPC,           // "$##.00"
    Percent,       // "###.#0%"
    PercentOfText, // "#.#0%"
    Clicks,        // "####.0"
};

// Rounds halves away from zero on the value's 15-significant-digit decimal form.
std::string FormatPattern(double value, Pattern pattern);
std::string FormatPattern(FixedPoint value, Pattern pattern);
std::string FormatPattern(std::string_view numberText, Pattern pattern);

// An amount as the dollar captions show it, in whole cents: halves away from zero.
std::int64_t ShownCents(FixedPoint amount);

// What a label shows for the value: the pattern's text with the fix-up of its labels (a bare
// ".00%" shows as "0.0%", ".4" clicks as "0.4", "$.00" as "$0.00").
std::string CaptionText(double value, Pattern pattern);
std::string CaptionText(FixedPoint value, Pattern pattern);
std::string CaptionText(std::string_view numberText, Pattern pattern);

// A caption as a plain number any spreadsheet or JSON reader takes: without "$", ",", "%",
// blanks and a leading "+", and with a "0" before a bare point ("$1,095.00" gives 1095.00,
// "-$.50" gives -0.50, "+31.5 %" gives 31.5).
std::string CaptionNumber(std::string_view caption);

} // namespace calc
