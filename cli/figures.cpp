// SPDX-License-Identifier: MIT
#include "figures.h"

#include "ctr_parts.h"
#include "input_check.h"
#include "json_output.h"

#include <algorithm>

namespace cli {
namespace {

std::optional<Problem> ProblemWith(Figure figure, const std::string& text, ProblemKind kind,
                                   std::string reason) {
    return Problem{kind, figure, text, std::move(reason)};
}

// Nothing the character check of the boxes would warn about, and one number as a whole: at
// least one digit and at most one point, so that no part of the figure is left unread.
std::optional<Problem> CheckNumber(Figure figure, const std::string& text,
                                   const calc::InputCheck& check) {
    if (check.rejectedAt > 0 || std::ranges::count(text, '.') > 1)
        return ProblemWith(figure, text, ProblemKind::NotANumber,
                           "only digits and one \".\" are allowed");
    if (text.find_first_not_of('.') == std::string::npos)
        return ProblemWith(figure, text, ProblemKind::NotANumber, "there is no digit");
    return std::nullopt;
}

std::optional<Problem> CheckCtr(const std::string& text) {
    const CtrParts parts = SplitCtr(text);
    if (calc::CheckInput(calc::Box::CTR, parts.wholePercent).tooLong)
        return ProblemWith(Figure::Ctr, text, ProblemKind::TooLong,
                           "the whole percent is longer than " +
                               std::to_string(calc::TypingLimit(calc::Box::CTR)) + " digits");
    const std::string tenths = parts.tenths.value_or("");
    if (calc::CheckInput(calc::Box::Dec, tenths).tooLong)
        return ProblemWith(Figure::Ctr, text, ProblemKind::TooManyDecimals,
                           "more than one decimal");
    // The window would cut the figure to 100 percent. Both of its rules need a whole percent
    // of at least 100, asked first since most figures stop there.
    if (calc::WholePercentAtLimit(parts.wholePercent) &&
        (calc::WholePercentAboveLimit(parts.wholePercent) ||
         calc::TenthsAboveLimit(parts.wholePercent, tenths)))
        return ProblemWith(Figure::Ctr, text, ProblemKind::AboveHundred, "above 100 percent");
    return std::nullopt;
}

calc::Box BoxOf(Figure figure) {
    constexpr std::array boxes = {calc::Box::Impressions, calc::Box::CTR, calc::Box::Clicks,
                                  calc::Box::ECPM};
    return boxes[static_cast<std::size_t>(figure)];
}

std::optional<Problem> CheckFigure(Figure figure, const std::string& text) {
    const calc::Box box = BoxOf(figure);
    const calc::InputCheck check = calc::CheckInput(box, text);
    if (auto problem = CheckNumber(figure, text, check))
        return problem;
    if (figure == Figure::Ctr)
        return CheckCtr(text);
    if (check.tooLong)
        return ProblemWith(figure, text, ProblemKind::TooLong,
                           "longer than the " + std::to_string(calc::TypingLimit(box)) +
                               " characters its box takes");
    if (check.emptied)
        return ProblemWith(figure, text, ProblemKind::LeadingZero, "it starts with 0");
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
    std::string quoted;
    AppendJsonString(quoted, text);
    return quoted;
}

std::string Describe(const Problem& problem) {
    return std::string(FigureName(problem.figure)) + " " + Quoted(problem.text) + ": " +
           problem.reason;
}

} // namespace cli
