// SPDX-License-Identifier: MIT
#include "calc/figure_reading.h"

#include "calc/utf8.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace calc {
namespace {

bool IsBlankCharacter(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view FirstCharacter(std::string_view text) {
    std::size_t end = 1;
    while (end < text.size() && IsContinuationByte(text[end]))
        ++end;
    return text.substr(0, end);
}

// What is wrong with the digits and marks of a figure without its sign and unit, if anything.
struct Fault {
    ReadingFault fault;
    std::string reason;
};

std::optional<Fault> NumberFault(std::string_view number, char mark, char separator) {
    const auto stray = std::ranges::find_if(
        number, [&](char c) { return !IsDigit(c) && c != mark && c != separator; });
    if (stray != number.end())
        return Fault{ReadingFault::NotADigit,
                     InQuotes(FirstCharacter(number.substr(stray - number.begin()))) +
                         " is not part of a number"};
    const auto quotedMark = [mark] {
        return InQuotes(std::string_view(&mark, 1));
    };
    if (std::ranges::count(number, mark) > 1)
        return Fault{ReadingFault::TwoDecimalMarks, "there is more than one " + quotedMark()};
    const auto point = number.find(mark);
    if (point != std::string_view::npos && number.find(separator, point) != std::string_view::npos)
        return Fault{ReadingFault::SeparatorInDecimals,
                     "a thousands separator cannot stand after the " + quotedMark()};
    const std::string_view whole = number.substr(0, point);
    const auto first = whole.find(separator);
    if (first == std::string_view::npos)
        return std::nullopt;
    if (first == 0)
        return Fault{ReadingFault::SeparatorPlace, "a thousands separator must follow a digit"};
    if (first > 3)
        return Fault{ReadingFault::SeparatorPlace,
                     "thousands separators must stand every three digits"};
    for (auto at = first; at != std::string_view::npos;) {
        const auto next = whole.find(separator, at + 1);
        const auto group = (next == std::string_view::npos ? whole.size() : next) - at - 1;
        if (group != 3)
            return Fault{ReadingFault::SeparatorPlace,
                         "a thousands separator must be followed by three digits"};
        at = next;
    }
    return std::nullopt;
}

std::string OutsideRange(const FigureForm& form) {
    return std::string("it must be ") + form.range;
}

} // namespace

bool IsBlank(std::string_view text) {
    return std::ranges::all_of(text, IsBlankCharacter);
}

std::variant<ReadFigure, FigureRefusal> ReadFigureText(std::string_view text,
                                                       const FigureForm& form, Notation notation,
                                                       std::string_view name) {
    const auto refuse = [&](ReadingFault fault, const std::string& reason) {
        return FigureRefusal{fault, std::string(name) + " " + InQuotes(text) + ": " + reason + "."};
    };
    // Most figures have no blanks: they are read where they stand, without a copy.
    std::string withoutBlanks;
    std::string_view rest = text;
    if (std::ranges::any_of(text, IsBlankCharacter)) {
        withoutBlanks = text;
        std::erase_if(withoutBlanks, IsBlankCharacter);
        rest = withoutBlanks;
    }
    if (std::ranges::none_of(rest, IsDigit))
        return refuse(ReadingFault::NoDigit, "there is no digit");

    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+')) {
        if (form.least >= 0)
            return refuse(ReadingFault::Sign,
                          negative ? "it cannot be below 0" : "it takes no sign");
        rest.remove_prefix(1);
    }
    if (rest.starts_with('$')) {
        if (form.unit != '$')
            return refuse(ReadingFault::Unit, "only an amount takes a \"$\"");
        rest.remove_prefix(1);
    }
    if (rest.ends_with('%')) {
        if (form.unit != '%')
            return refuse(ReadingFault::Unit, "only a percentage takes a \"%\"");
        rest.remove_suffix(1);
    }
    const bool commaDecimals = notation == Notation::DecimalComma;
    const char mark = commaDecimals ? ',' : '.';
    const char separator = commaDecimals ? '.' : ',';
    if (auto fault = NumberFault(rest, mark, separator))
        return refuse(fault->fault, fault->reason);

    const auto point = rest.find(mark);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : rest.substr(point + 1);
    if (form.decimals != kAsTyped && fraction.size() > static_cast<std::size_t>(form.decimals))
        return refuse(ReadingFault::TooManyDecimals, OutsideRange(form));

    // The plain figure: the sign, the whole digits without separators and leading zeros, then
    // the decimals as written.
    ReadFigure read;
    read.plain.reserve(rest.size() + 1);
    if (negative)
        read.plain += '-';
    for (const char c : rest.substr(0, point)) {
        if (c != separator && (c != '0' || read.plain.size() > std::size_t(negative)))
            read.plain += c;
    }
    const std::size_t wholeDigits = read.plain.size() - std::size_t(negative);
    if (wholeDigits == 0 && fraction.empty())
        read.plain += '0';
    if (!fraction.empty()) {
        read.plain += '.';
        read.plain += fraction;
    }
    if (form.decimals == kAsTyped)
        return read;

    // The count of the smallest unit: the whole digits and the decimals, padded to the form's.
    std::string digits = "0";
    digits.append(read.plain.data() + std::size_t(negative), wholeDigits);
    digits += fraction;
    digits.append(static_cast<std::size_t>(form.decimals) - fraction.size(), '0');
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), read.count);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return refuse(ReadingFault::OutOfRange, OutsideRange(form));
    if (negative)
        read.count = -read.count;
    if (read.count < form.least || read.count > form.most)
        return refuse(ReadingFault::OutOfRange, OutsideRange(form));
    return read;
}

void AppendEscaped(std::string& out, char c) {
    constexpr char hex[] = "0123456789abcdef";
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            out += hex[(c >> 4) & 0xf];
            out += hex[c & 0xf];
        } else {
            out += c;
        }
    }
}

std::string InQuotes(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text)
        AppendEscaped(quoted, c);
    return quoted + '"';
}

} // namespace calc
