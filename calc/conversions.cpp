// SPDX-License-Identifier: MIT
#include "calc/conversions.h"

#include "calc/calc_error.h"
#include "calc/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace calc {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSkippedWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// What a number scan found: the number in a form std::from_chars reads, and where the
// scan stopped in the text.
struct ScannedNumber {
    std::string cleaned;
    std::size_t end = 0;
    bool hasDigits = false;
    int integerDigits = 0;        // significant digits before the point
    int leadingFractionZeros = 0; // zeros after the point before the first other digit
    long exponent = 0;
};

// Scans [sign] digits [. digits] [E|D [sign] digits]; with skipWhiteSpace, blanks, tabs
// and line feeds are passed over anywhere, as a lenient reader of typed figures does.
ScannedNumber ScanNumber(std::string_view text, bool skipWhiteSpace) {
    ScannedNumber scan;
    std::size_t i = 0;
    const auto skip = [&] {
        while (skipWhiteSpace && i < text.size() && IsSkippedWhiteSpace(text[i]))
            ++i;
    };

    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            scan.cleaned.push_back('-');
        ++i;
    }
    bool sawPoint = false;
    bool sawSignificant = false;
    for (skip(); i < text.size(); ++i, skip()) {
        const char c = text[i];
        if (IsDigit(c)) {
            scan.hasDigits = true;
            sawSignificant = sawSignificant || c != '0';
            if (!sawPoint && sawSignificant)
                ++scan.integerDigits;
            if (sawPoint && !sawSignificant)
                ++scan.leadingFractionZeros;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        scan.cleaned.push_back(c);
    }
    scan.end = i;
    if (!scan.hasDigits)
        return scan;

    // An exponent counts only when at least one digit follows its letter.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        skip();
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        bool sawExponentDigit = false;
        long exponent = 0;
        for (skip(); i < text.size() && IsDigit(text[i]); ++i, skip()) {
            sawExponentDigit = true;
            // Saturate: anything this large is out of the double range either way.
            exponent = std::min(exponent * 10 + (text[i] - '0'), 100000L);
        }
        if (sawExponentDigit) {
            scan.exponent = negativeExponent ? -exponent : exponent;
            scan.cleaned += 'e' + std::to_string(scan.exponent);
            scan.end = i;
        }
    }
    return scan;
}

double ValueOf(const ScannedNumber& scan) {
    if (!scan.hasDigits)
        return 0;
    double value = 0;
    const char* first = scan.cleaned.data();
    const char* last = first + scan.cleaned.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Beyond the range either way: too large is an overflow, too small is zero.
        const long magnitude = scan.integerDigits > 0 ? scan.integerDigits + scan.exponent
                                                      : scan.exponent - scan.leadingFractionZeros;
        if (magnitude > 0)
            raiseOverflow();
        return 0;
    }
    return checked(value + 0.0); // + 0.0 turns a negative zero into zero
}

struct PatternShape {
    const char* prefix;
    bool grouped;
    int decimals;
    bool percent;
};

PatternShape ShapeOf(Pattern pattern) {
    switch (pattern) {
    case Pattern::Earnings:
    case Pattern::ECPM:
        return {"$", true, 2, false};
    case Pattern::EPC:
        return {"$", false, 2, false};
    case Pattern::Percent:
    case Pattern::PercentOfText:
        return {"", false, 2, true};
    case Pattern::Clicks:
        return {"", false, 1, false};
    }
    return {"", false, 0, false};
}

std::string GroupedByThousands(const std::string& digits) {
    std::string result;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result.push_back(',');
        result.push_back(digits[i]);
    }
    return result;
}

// The fix-ups work on the caption in place: every label's caption passes through one.
void FixPercent(std::string& caption) {
    if (caption == ".00%")
        caption = "0.0%";
    if (caption.starts_with('.'))
        caption.insert(0, "0");
}

void FixClicks(std::string& caption) {
    if (caption == ".0")
        caption = "0";
    if (caption.starts_with('.'))
        caption.insert(0, "0");
}

void FixDollars(std::string& caption) {
    if (caption == "$.00")
        caption = "$0.00";
}

std::string FixedUp(std::string caption, Pattern pattern) {
    switch (pattern) {
    case Pattern::Earnings:
    case Pattern::ECPM:
    case Pattern::EPC:
        FixDollars(caption);
        break;
    case Pattern::Percent:
    case Pattern::PercentOfText:
        FixPercent(caption);
        break;
    case Pattern::Clicks:
        FixClicks(caption);
        break;
    }
    return caption;
}

std::string Render(const DecimalDigits& value, Pattern pattern) {
    const PatternShape shape = ShapeOf(pattern);
    const DecimalDigits rounded =
        (shape.percent ? value.timesPowerOfTen(2) : value)
            .roundedTo(shape.decimals, DecimalDigits::Halves::AwayFromZero);
    const std::string integerPart = rounded.integerDigits();
    std::string text = std::string(rounded.negative ? "-" : "") + shape.prefix +
                       (shape.grouped ? GroupedByThousands(integerPart) : integerPart) + "." +
                       rounded.fractionDigits(shape.decimals);
    if (shape.percent)
        text += '%';
    return text;
}

// Digits with at most one point among them and at least one digit: what from_chars reads
// whole, exactly as the scan would.
bool IsPlainFigure(std::string_view text) {
    bool sawPoint = false;
    bool sawDigit = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            sawDigit = true;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            return false;
        }
    }
    return sawDigit;
}

// Most texts are a figure and nothing else, short enough to stay well inside the double range:
// those are read as they stand, with no copy made for the scan.
std::optional<double> PlainFigureValue(std::string_view text) {
    constexpr std::size_t kShortFigure = 20;
    if (text.empty() || text.size() > kShortFigure || !IsPlainFigure(text))
        return std::nullopt;
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return value;
}

// At least a unit in the last place of the value, and not much more; for values below 1,
// that of 1.
double UnitInTheLastPlace(double value) {
    return (std::fabs(value) + 1) * std::numeric_limits<double>::epsilon();
}

// The nearest whole number to scaled where the digits route, which rounds a decimal form of
// the value, cannot come out otherwise: far enough from a half that neither that form nor the
// product could lie on its other side. The shortest digits and the product each stray from
// the exact product by about a unit in its last place, eight of which leave room to spare;
// fifteen digits stray by up to relativeDoubt of it more. None elsewhere.
std::optional<double> SettledNearest(double scaled, double relativeDoubt) {
    constexpr double kWellInsideTheRange = 1e15; // whole numbers a double holds to a unit
    const double magnitude = std::fabs(scaled);
    if (!(magnitude < kWellInsideTheRange))
        return std::nullopt;
    const double nearest = std::nearbyint(scaled);
    const double offHalf = std::fabs(std::fabs(scaled - nearest) - 0.5);
    if (offHalf < relativeDoubt * magnitude + 8 * UnitInTheLastPlace(scaled))
        return std::nullopt;
    return nearest;
}

// The count of ten-thousandths, where the product with 10,000 settles it; elsewhere (halves,
// huge or odd values) the exact route decides.
std::optional<FixedPoint> QuickFixedPoint(double value) {
    const auto nearest = SettledNearest(value * 10000, 0);
    if (!nearest)
        return std::nullopt;
    return FixedPoint{static_cast<std::int64_t>(*nearest)};
}

// The pattern's text for a count of its last decimal places (cents for the dollar patterns,
// tenths for the clicks), as Render lays out the rounded digits.
std::string LaidOut(bool negative, std::uint64_t count, const PatternShape& shape) {
    // Every pattern keeps one or two decimals.
    const std::uint64_t whole = shape.decimals == 1 ? count / 10 : count / 100;
    const std::uint64_t fraction = shape.decimals == 1 ? count % 10 : count % 100;
    std::array<char, 24> digits{};
    const char* digitsEnd =
        whole > 0 ? std::to_chars(digits.data(), digits.data() + digits.size(), whole).ptr
                  : digits.data();
    const auto wholeLength = static_cast<std::size_t>(digitsEnd - digits.data());

    std::array<char, 48> text{};
    char* last = text.data();
    if (negative && count > 0)
        *last++ = '-';
    for (const char* prefix = shape.prefix; *prefix; ++prefix)
        *last++ = *prefix;
    for (std::size_t i = 0; i < wholeLength; ++i) {
        if (shape.grouped && i > 0 && (wholeLength - i) % 3 == 0)
            *last++ = ',';
        *last++ = digits[i];
    }
    *last++ = '.';
    if (shape.decimals == 2)
        *last++ = static_cast<char>('0' + fraction / 10);
    *last++ = static_cast<char>('0' + fraction % 10);
    if (shape.percent)
        *last++ = '%';
    return std::string(text.data(), last);
}

// The whole cents of an amount's magnitude: halves away from zero, as the digits route rounds
// them.
std::uint64_t CentsOfMagnitude(FixedPoint value) {
    const bool negative = value.tenThousandths < 0;
    const std::uint64_t magnitude = negative ? ~static_cast<std::uint64_t>(value.tenThousandths) + 1
                                             : static_cast<std::uint64_t>(value.tenThousandths);
    return magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
}

// The dollar patterns of an exact amount, in whole cents.
std::string RenderCents(FixedPoint value, const PatternShape& shape) {
    return LaidOut(value.tenThousandths < 0, CentsOfMagnitude(value), shape);
}

// A pattern's text for an ordinary value, without going through its digits.
std::optional<std::string> QuickRender(double value, Pattern pattern) {
    const PatternShape shape = ShapeOf(pattern);
    double scale = shape.percent ? 100 : 1;
    for (int i = 0; i < shape.decimals; ++i)
        scale *= 10;
    const auto nearest = SettledNearest(value * scale, 1e-12);
    if (!nearest)
        return std::nullopt;
    return LaidOut(std::signbit(*nearest), static_cast<std::uint64_t>(std::fabs(*nearest)), shape);
}

} // namespace

double LeadingValue(std::string_view text) {
    if (const auto plain = PlainFigureValue(text))
        return *plain;
    return ValueOf(ScanNumber(text, true));
}

double StrictValue(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        raiseTypeMismatch();
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (const auto plain = PlainFigureValue(text))
        return *plain;
    const ScannedNumber scan = ScanNumber(text, false);
    if (!scan.hasDigits || scan.end != text.size())
        raiseTypeMismatch();
    return ValueOf(scan);
}

std::string PlainNumberText(double value) {
    // Whole figures below 1E+15 are their own fifteen digits.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        std::array<char, 24> digits{};
        char* end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                  static_cast<std::int64_t>(value))
                        .ptr;
        return std::string(digits.data(), end);
    }
    const DecimalDigits decimal = DecimalDigits::FromDouble15(checked(value));
    if (decimal.isZero())
        return "0";
    const std::string sign = decimal.negative ? "-" : "";
    const int exponent = decimal.pointPosition - 1;
    if (exponent >= 15 || exponent < -4) {
        std::string mantissa = decimal.digits.substr(0, 1);
        if (decimal.digits.size() > 1)
            mantissa += "." + decimal.digits.substr(1);
        const int magnitude = std::abs(exponent);
        return sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + (magnitude < 10 ? "0" : "") +
               std::to_string(magnitude);
    }
    const std::string integerPart = decimal.integerDigits();
    const int decimals = static_cast<int>(decimal.digits.size()) - decimal.pointPosition;
    std::string text = sign + (integerPart.empty() ? "0" : integerPart);
    if (decimals > 0)
        text += "." + decimal.fractionDigits(decimals);
    return text;
}

FixedPoint ToFixedPoint(double value) {
    if (const auto quick = QuickFixedPoint(value))
        return *quick;
    const DecimalDigits rounded = DecimalDigits::FromDoubleShortest(checked(value))
                                      .roundedTo(4, DecimalDigits::Halves::ToEven);
    if (rounded.isZero())
        return {};
    const int length = rounded.pointPosition + 4;
    if (length > std::numeric_limits<std::int64_t>::digits10 + 1)
        raiseOverflow();
    std::string count = rounded.digits;
    count.resize(static_cast<std::size_t>(length), '0');
    std::uint64_t magnitude = 0;
    std::from_chars(count.data(), count.data() + count.size(), magnitude);

    const auto limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > limit + (rounded.negative ? 1 : 0))
        raiseOverflow();
    // Two's complement negation through unsigned also reaches the most negative count.
    const std::uint64_t bits = rounded.negative ? ~magnitude + 1 : magnitude;
    return FixedPoint{static_cast<std::int64_t>(bits)};
}

std::string FormatPattern(double value, Pattern pattern) {
    if (auto quick = QuickRender(checked(value), pattern))
        return std::move(*quick);
    return Render(DecimalDigits::FromDouble15(value), pattern);
}

std::string FormatPattern(FixedPoint value, Pattern pattern) {
    if (const PatternShape shape = ShapeOf(pattern); !shape.percent && shape.decimals == 2)
        return RenderCents(value, shape);
    return Render(DecimalDigits::FromTenThousandths(value.tenThousandths), pattern);
}

std::string FormatPattern(std::string_view numberText, Pattern pattern) {
    return FormatPattern(StrictValue(numberText), pattern);
}

std::int64_t ShownCents(FixedPoint amount) {
    const auto cents = static_cast<std::int64_t>(CentsOfMagnitude(amount));
    return amount.tenThousandths < 0 ? -cents : cents;
}

std::string CaptionText(double value, Pattern pattern) {
    return FixedUp(FormatPattern(value, pattern), pattern);
}

std::string CaptionText(FixedPoint value, Pattern pattern) {
    return FixedUp(FormatPattern(value, pattern), pattern);
}

std::string CaptionText(std::string_view numberText, Pattern pattern) {
    return FixedUp(FormatPattern(numberText, pattern), pattern);
}

std::string CaptionNumber(std::string_view caption) {
    std::string number;
    for (const char c : caption) {
        if (c == '$' || c == ',' || c == '%' || c == ' ' || (c == '+' && number.empty()))
            continue;
        if (c == '.' && (number.empty() || number == "-"))
            number += '0';
        number += c;
    }
    return number;
}

} // namespace calc
