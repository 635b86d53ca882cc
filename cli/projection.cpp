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
    if (problem.fault == calc::EntryFault::Warning)
        return "the calculator warns \"" + problem.warning + "\"";
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
    if (const auto* problem = std::get_if<calc::EntryProblem>(&entry)) {
        if (problem->fault == calc::EntryFault::Unread)
            return Problem{problem->refusal.sentence};
        return Described(problem->figure, *figures[problem->figure], Reason(*problem));
    }
    return std::move(std::get<calc::Captions>(entry));
}

} // namespace cli
