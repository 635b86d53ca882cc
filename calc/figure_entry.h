// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calc_error.h"
#include "calc/calculator.h"
#include "calc/figures.h"
#include "calc/results.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

// Figures given whole, as a paste over each box's text gives them, rather than key by key:
// what a command line or a file of figures hands the calculator.
namespace calc {

// An absent figure, or one of blanks, is "not given": its box keeps its start text.
struct TypedFigures {
    std::array<std::optional<std::string>, kAllFigures.size()> texts;
    Notation notation = Notation::DecimalPoint;

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

// Why figures are not taken.
enum class EntryFault {
    Unread,      // a text that is no figure of its form: the refusal says why
    Warning,     // the calculator warned while the figure went in
    ErrorReport, // the calculator reported an error while the figure went in
};

struct EntryProblem {
    EntryFault fault;
    Figure figure;
    std::string warning{};                 // a Warning's text
    const char* reportName = "";           // where an ErrorReport came from
    ErrorKind error = ErrorKind::Overflow; // an ErrorReport's kind
    FigureRefusal refusal{};               // an Unread figure's fault and sentence
};

using Entry = std::variant<Captions, EntryProblem>;

// The captions the window shows once each given figure, read as people write it, has been
// pasted over its box, one edit a box, from the start state: the impressions, the CTR (whole
// percent, then tenths) or the clicks, then the eCPM. A box written so stores a figure whole,
// however long. The first figure that is no figure of its form, or the first message the
// calculator shows, is the answer.
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
