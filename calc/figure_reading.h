// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

// A figure as people write it, read the one way wherever it is given: blanks, thousands
// separators, a "$" before an amount, a "%" after a percentage. Where it goes decides only its
// range.
namespace calc {

// How a text writes its decimals: a file separated by ";" writes 1,000.50 as 1.000,50.
enum class Notation { DecimalPoint, DecimalComma };

// So many decimals as the text has, read as a box reads its text.
inline constexpr int kAsTyped = -1;

// What a figure takes: its unit, its decimals, and its range in counts of 10^-decimals of its
// unit. A sign is taken only where the range goes below 0.
struct FigureForm {
    char unit = 0; // '$', '%' or none
    int decimals = kAsTyped;
    std::int64_t least = 0;
    std::int64_t most = std::numeric_limits<std::int64_t>::max();
    const char* range = ""; // "a whole number from 1 to 120", for a figure outside it
};

// Why a text is no figure of its form, in the order the checks run on it.
enum class ReadingFault {
    NoDigit,             // nothing but blanks, units, signs or marks
    Sign,                // a sign on a figure that cannot go below 0
    Unit,                // a "$" on what is no amount, a "%" on what is no percentage
    NotADigit,           // a character that belongs to no number
    TwoDecimalMarks,     // "1.2.3"
    SeparatorInDecimals, // "1.000,5" where "." marks the decimals
    SeparatorPlace,      // "1,00", ",100" or "1000,000"
    TooManyDecimals,     // more decimals than the form takes
    OutOfRange,
};

struct FigureRefusal {
    ReadingFault fault;
    std::string sentence; // name "as written": what is wrong.
};

struct ReadFigure {
    // "-1000.5": the sign, the whole digits without leading zeros ("0" for none and no
    // decimals), then the point and the decimals as written, if any.
    std::string plain;
    std::int64_t count = 0; // in 10^-decimals of the unit; 0 for a form read as typed
};

// A text of blanks gives no figure: the caller takes it as not given.
bool IsBlank(std::string_view text);

// The figure the text writes, or why it writes none. The sentence names the figure by `name`
// and quotes the text as written.
std::variant<ReadFigure, FigureRefusal> ReadFigureText(std::string_view text,
                                                       const FigureForm& form, Notation notation,
                                                       std::string_view name);

// The text in double quotes, with quotes, backslashes and control characters escaped, so that
// a sentence stays on one line.
std::string InQuotes(std::string_view text);
void AppendEscaped(std::string& out, char c);

} // namespace calc
