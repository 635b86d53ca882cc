// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calc_error.h"
#include "calc/calculator.h"
#include "calc/results.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

// Figures given whole, as a paste over each box's text gives them, rather than key by key:
// what a command line or a file of figures hands the calculator.
namespace calc {

// The CTR is one figure here, "2.5"; the window takes it in two boxes.
enum class Figure { Impressions, CTR, Clicks, ECPM };
inline constexpr std::array kAllFigures = {Figure::Impressions, Figure::CTR, Figure::Clicks,
                                           Figure::ECPM};

// The box a figure goes into; the CTR's tenths go on into the tenths box.
Box BoxOf(Figure figure);

// An absent figure is "not given": its box keeps its start text.
struct TypedFigures {
    std::array<std::optional<std::string>, kAllFigures.size()> texts;

    std::optional<std::string>& operator[](Figure figure) {
        return texts[static_cast<std::size_t>(figure)];
    }
    const std::optional<std::string>& operator[](Figure figure) const {
        return texts[static_cast<std::size_t>(figure)];
    }
};

// A CTR such as "2.5" goes into two boxes: the whole percent "2" and the tenths "5".
struct CtrParts {
    std::string_view wholePercent;
    std::optional<std::string_view> tenths; // absent when the text has no point
};
CtrParts SplitCtr(std::string_view ctr);

// Why a figure is not taken, in the order the checks run on it.
enum class EntryFault {
    NotANumber,      // a character other than the digits and one "."
    NoDigit,         // nothing but points, or nothing at all
    TooLong,         // more characters than its box takes (the CTR: its whole percent)
    TooManyDecimals, // a CTR with more decimals than its tenths box takes
    AboveHundred,    // a CTR above 100 percent, which its box would cut
    LeadingZero,     // impressions starting with 0, which their box empties
    Warning,         // the calculator warned while the figure went in
    ErrorReport,     // the calculator reported an error while the figure went in
};

struct EntryProblem {
    EntryFault fault;
    Figure figure;
    std::string warning{};                 // a Warning's text
    const char* reportName = "";           // where an ErrorReport came from
    ErrorKind error = ErrorKind::Overflow; // an ErrorReport's kind
};

using Entry = std::variant<Captions, EntryProblem>;

// The captions the window shows once each given figure has been pasted over its box, one edit
// a box, from the start state: the impressions, the CTR (whole percent, then tenths) or the
// clicks, then the eCPM. Blanks are taken out as the boxes take them out. A figure the boxes
// would warn about, cut or empty, or read only in part, is refused before anything is
// computed; the first refusal, or the first message the calculator shows, is the answer.
Entry EnterFigures(const TypedFigures& figures);

// The same, through a calculator's boxes and handlers as the window takes them: the measure of
// the quicker route above, which works out the captions without the boxes.
Entry EnterFiguresThroughBoxes(const TypedFigures& figures);

// The captions once the figures are pasted into a calculator's boxes, without the checks for
// what a box would refuse: a box stores them whole however long they are. The first message the
// calculator shows is the answer. The reference that the figures worked out from numbers are
// held to.
Entry PasteFigures(const TypedFigures& figures);

} // namespace calc
