// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The figures a run starts from, as the user gave them, and the checks that keep out every
// text the window would warn about, cut or change.
namespace cli {

enum class Figure { Impressions, Ctr, Clicks, Ecpm };
inline constexpr std::array kAllFigures = {Figure::Impressions, Figure::Ctr, Figure::Clicks,
                                           Figure::Ecpm};

// "impressions", "ctr", "clicks", "ecpm": the option and column names.
const char* FigureName(Figure figure);

// An absent figure is "not given": its box keeps its start text.
struct Figures {
    std::array<std::optional<std::string>, kAllFigures.size()> texts;

    std::optional<std::string>& operator[](Figure figure) {
        return texts[static_cast<std::size_t>(figure)];
    }
    const std::optional<std::string>& operator[](Figure figure) const {
        return texts[static_cast<std::size_t>(figure)];
    }
};

// What went wrong, for callers that branch on it; the message says it to a person.
enum class ProblemKind {
    NotANumber,      // a character other than the digits and one "."
    TooLong,         // more characters than the box takes
    LeadingZero,     // the impressions box empties a figure that starts with 0
    AboveHundred,    // a CTR above 100 percent
    TooManyDecimals, // a CTR with more than one decimal
    CtrWithClicks,   // both the CTR and the clicks
    EngineMessage,   // the calculator itself reported an error
};

struct Problem {
    ProblemKind kind;
    Figure figure;
    std::string text;
    std::string reason;
};

// The first problem with the figures, in the order they are written, or none.
std::optional<Problem> CheckFigures(const Figures& figures);

// The text as a JSON string: in double quotes, with quotes, backslashes and control
// characters escaped, so that a report stays on one line.
std::string Quoted(std::string_view text);

// ecpm "1.2.3": only digits and one "." are allowed
std::string Describe(const Problem& problem);

} // namespace cli
