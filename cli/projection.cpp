// SPDX-License-Identifier: MIT
#include "cli/projection.h"

namespace cli {
namespace {

// Words for what the calculator ran into.
const char* WhatHappened(calc::ErrorKind kind) {
    switch (kind) {
    case calc::ErrorKind::Overflow:
        return "an overflow";
    case calc::ErrorKind::DivisionByZero:
        return "a division by zero";
    case calc::ErrorKind::TypeMismatch:
        break;
    }
    return "a type mismatch";
}

std::string Reason(const calc::EntryProblem& problem) {
    using calc::EntryFault;
    switch (problem.fault) {
    case EntryFault::NotANumber:
        return "only digits and one \".\" are allowed";
    case EntryFault::NoDigit:
        return "there is no digit";
    case EntryFault::TooLong:
        if (problem.figure == Figure::CTR)
            return "the whole percent is longer than " +
                   std::to_string(calc::TypingLimit(calc::Box::CTR)) + " digits";
        return "longer than the " + std::to_string(calc::TypingLimit(calc::BoxOf(problem.figure))) +
               " characters its box takes";
    case EntryFault::TooManyDecimals:
        return "more than one decimal";
    case EntryFault::AboveHundred:
        return "above 100 percent";
    case EntryFault::LeadingZero:
        return "it starts with 0";
    case EntryFault::Warning:
        return "the calculator warns \"" + problem.warning + "\"";
    case EntryFault::ErrorReport:
        break;
    }
    return std::string("the calculator reports ") + WhatHappened(problem.error) + " in " +
           problem.reportName;
}

Problem Described(Figure figure, const std::string& text, const std::string& reason) {
    return {std::string(FigureName(figure)) + " " + Quoted(text) + ": " + reason};
}

} // namespace

Projection Project(const Figures& figures) {
    if (figures[Figure::CTR] && figures[Figure::Clicks])
        return Described(Figure::Clicks, *figures[Figure::Clicks],
                         "give either the CTR or the clicks, not both");
    calc::Entry entry = calc::EnterFigures(figures);
    if (const auto* problem = std::get_if<calc::EntryProblem>(&entry))
        return Described(problem->figure, *figures[problem->figure], Reason(*problem));
    return std::move(std::get<calc::Captions>(entry));
}

} // namespace cli
