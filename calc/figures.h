// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calculator.h"
#include "calc/figure_reading.h"
#include "calc/table_keys.h"

#include <array>
#include <cstddef>

// The four figures a command line or a file of sites gives the calculator, and what every
// place that names or reads them needs to know of them.
namespace calc {

// The CTR is one figure here, "2.5"; the window takes it in two boxes.
enum class Figure { Impressions, CTR, Clicks, ECPM };

struct FigureFacts {
    Figure figure;
    const char* name;    // "ctr": the option's and the column's name
    const char* heading; // "CTR (%):", the window's label beside the box
    Box box;             // the CTR's tenths go on into the tenths box
    FigureForm form;     // for a run of the calculator: what the window computes for its box
};

// Any count of impressions, clicks or an eCPM a box written by code stores whole; the CTR
// within its boxes' limits.
inline constexpr std::array kFigures = {
    FigureFacts{Figure::Impressions, "impressions", "Impressions:", Box::Impressions, {}},
    FigureFacts{Figure::CTR,
                "ctr",
                "CTR (%):",
                Box::CTR,
                {'%', 1, 0, 1000, "a percentage from 0 to 100, with at most one decimal"}},
    FigureFacts{Figure::Clicks, "clicks", "Clicks:", Box::Clicks, {}},
    FigureFacts{Figure::ECPM, "ecpm", "eCPM ($):", Box::ECPM, {'$'}},
};

inline constexpr auto kAllFigures = KeysOf<&FigureFacts::figure>(kFigures);

constexpr const FigureFacts& FactsOf(Figure figure) {
    return kFigures[static_cast<std::size_t>(figure)];
}

} // namespace calc
