// SPDX-License-Identifier: MIT
#include "figures.h"

#include "calculator.h"
#include "ctr_parts.h"

#include <algorithm>

namespace cli {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<Problem> ProblemWith(Figure figure, const std::string& text, ProblemKind kind,
                                   std::string reason) {
    return Problem{kind, figure, text, std::move(reason)};
}

// Digits and at most one point, with at least one digit: nothing the character check of the
// boxes would warn about, and no blank the boxes would take out.
std::optional<Problem> CheckCharacters(Figure figure, const std::string& text) {
    const bool onlyNumberCharacters =
        std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; }) &&
        std::count(text.begin(), text.end(), '.') <= 1;
    if (!onlyNumberCharacters)
        return ProblemWith(figure, text, ProblemKind::NotANumber,
                           "only digits and one \".\" are allowed");
    if (std::none_of(text.begin(), text.end(), IsDigit))
        return ProblemWith(figure, text, ProblemKind::NotANumber, "there is no digit");
    return std::nullopt;
}

std::optional<Problem> CheckLength(Figure figure, const std::string& text, calc::Box box) {
    const int limit = calc::TypingLimit(box);
    if (static_cast<int>(text.size()) <= limit)
        return std::nullopt;
    return ProblemWith(figure, text, ProblemKind::TooLong,
                       "longer than the " + std::to_string(limit) + " characters its box takes");
}

std::optional<Problem> CheckCtr(const std::string& text) {
    const CtrParts parts = SplitCtr(text);
    if (static_cast<int>(parts.wholePercent.size()) > calc::TypingLimit(calc::Box::CTR))
        return ProblemWith(Figure::Ctr, text, ProblemKind::TooLong,
                           "the whole percent is longer than " +
                               std::to_string(calc::TypingLimit(calc::Box::CTR)) + " digits");
    if (parts.tenths && static_cast<int>(parts.tenths->size()) > calc::TypingLimit(calc::Box::Dec))
        return ProblemWith(Figure::Ctr, text, ProblemKind::TooManyDecimals,
                           "more than one decimal");
    // The window cuts a whole percent above 100 to 100, and sets the tenths of 100 to 0.
    const int wholePercent = parts.wholePercent.empty() ? 0 : std::stoi(parts.wholePercent);
    const bool someTenths =
        parts.tenths && parts.tenths->find_first_not_of('0') != std::string::npos;
    if (wholePercent > 100 || (wholePercent == 100 && someTenths))
        return ProblemWith(Figure::Ctr, text, ProblemKind::AboveHundred, "above 100 percent");
    return std::nullopt;
}

std::optional<Problem> CheckFigure(Figure figure, const std::string& text) {
    if (auto problem = CheckCharacters(figure, text))
        return problem;
    switch (figure) {
    case Figure::Impressions:
        if (auto problem = CheckLength(figure, text, calc::Box::Impressions))
            return problem;
        // The impressions box empties itself when its text starts with 0.
        if (text.starts_with('0'))
            return ProblemWith(figure, text, ProblemKind::LeadingZero, "it starts with 0");
        return std::nullopt;
    case Figure::Ctr:
        return CheckCtr(text);
    case Figure::Clicks:
        return CheckLength(figure, text, calc::Box::Clicks);
    case Figure::Ecpm:
        return CheckLength(figure, text, calc::Box::ECPM);
    }
    return std::nullopt;
}

} // namespace

const char* FigureName(Figure figure) {
    constexpr std::array names = {"impressions", "ctr", "clicks", "ecpm"};
    return names[static_cast<std::size_t>(figure)];
}

std::optional<Problem> CheckFigures(const Figures& figures) {
    if (figures[Figure::Ctr] && figures[Figure::Clicks])
        return ProblemWith(Figure::Clicks, *figures[Figure::Clicks], ProblemKind::CtrWithClicks,
                           "give either the CTR or the clicks, not both");
    for (const Figure figure : kAllFigures) {
        if (!figures[figure])
            continue;
        if (auto problem = CheckFigure(figure, *figures[figure]))
            return problem;
    }
    return std::nullopt;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string Describe(const Problem& problem) {
    return std::string(FigureName(problem.figure)) + " " + Quoted(problem.text) + ": " +
           problem.reason;
}

} // namespace cli
