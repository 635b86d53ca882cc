// SPDX-License-Identifier: MIT
#include "cli/projection.h"

#include "planning/inputs.h"

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

// A CTR the calculator's boxes refuse for its decimals, though a plan takes it.
bool PlansTake(const calc::EntryProblem& problem, const Figures& figures) {
    if (problem.figure != Figure::CTR ||
        problem.refusal.fault != calc::ReadingFault::TooManyDecimals)
        return false;
    const auto plan = calc::ReadFigureText(*figures[Figure::CTR],
                                           planning::FactsOf(planning::PlanInput::CTR).form,
                                           figures.notation, "");
    return std::holds_alternative<calc::ReadFigure>(plan);
}

} // namespace

Projection Project(const Figures& figures, std::string_view planWith) {
    if (figures[Figure::CTR] && figures[Figure::Clicks])
        return Described(Figure::Clicks, *figures[Figure::Clicks],
                         "give either the CTR or the clicks, not both");
    calc::Entry entry = calc::EnterFigures(figures);
    if (const auto* problem = std::get_if<calc::EntryProblem>(&entry)) {
        if (PlansTake(*problem, figures))
            return Described(Figure::CTR, *figures[Figure::CTR],
                             "the calculator takes one decimal; a plan (" + std::string(planWith) +
                                 ") takes two");
        if (problem->fault == calc::EntryFault::Unread)
            return Problem{problem->refusal.sentence};
        return Described(problem->figure, *figures[problem->figure], Reason(*problem));
    }
    return std::move(std::get<calc::Captions>(entry));
}

} // namespace cli
