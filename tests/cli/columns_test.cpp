// SPDX-License-Identifier: MIT
// Which figure or plan input a batch column holds, and which one a column that holds neither
// seems meant for.
#include "cli/columns.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace {

using cli::Figure;
using planning::PlanInput;

struct ColumnRow {
    const char* name;
    std::optional<Figure> holds;
    const char* meant; // the column's name, when it seems misspelt
    std::optional<planning::PlanInput> plan = std::nullopt;
};

void PrintTo(const ColumnRow& row, std::ostream* out) {
    *out << '"' << row.name << '"';
}

class ColumnName : public ::testing::TestWithParam<ColumnRow> {};

TEST_P(ColumnName, NamesItsFigure) {
    EXPECT_EQ(cli::FigureOfColumn(GetParam().name), GetParam().holds);
    EXPECT_EQ(cli::PlanColumnOf(GetParam().name), GetParam().plan);
    const auto meant = cli::MisspeltColumn(GetParam().name);
    EXPECT_EQ(meant.value_or("(none)"), GetParam().meant ? GetParam().meant : "(none)");
}

// One row a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Headers, ColumnName,
    ::testing::Values(
        ColumnRow{"impressions", Figure::Impressions, nullptr},
        ColumnRow{" CTR\t", Figure::CTR, nullptr},
        ColumnRow{"Clicks:", Figure::Clicks, nullptr},
        ColumnRow{"CTR (%)", Figure::CTR, nullptr},
        ColumnRow{"eCPM ($):", Figure::ECPM, nullptr},
        ColumnRow{"ecpm ($) :", Figure::ECPM, nullptr},
        ColumnRow{"ctr%", Figure::CTR, nullptr},
        ColumnRow{"eCPM($)", Figure::ECPM, nullptr},
        ColumnRow{"eCPM ($", Figure::ECPM, nullptr},
        ColumnRow{"CTR(%)", Figure::CTR, nullptr},
        ColumnRow{"CTR %", Figure::CTR, nullptr},
        ColumnRow{"ecmp", std::nullopt, "ecpm"},
        ColumnRow{"ecpn", std::nullopt, "ecpm"},
        ColumnRow{"impresion", std::nullopt, "impressions"},
        ColumnRow{"clciks", std::nullopt, "clicks"},
        ColumnRow{"impresions", std::nullopt, "impressions"},
        ColumnRow{"Impression", std::nullopt, "impressions"},
        ColumnRow{"click", std::nullopt, "clicks"},
        ColumnRow{"cpm", std::nullopt, "ecpm"},
        ColumnRow{"site", std::nullopt, nullptr},
        ColumnRow{"city", std::nullopt, nullptr},
        ColumnRow{"cost", std::nullopt, nullptr},
        ColumnRow{"", std::nullopt, nullptr},
        ColumnRow{"ctr (%%)", std::nullopt, nullptr},
        ColumnRow{"page_views", std::nullopt, nullptr, PlanInput::PageViews},
        ColumnRow{"fill rate", std::nullopt, nullptr, PlanInput::FillRate},
        ColumnRow{"AdsPerPage", std::nullopt, nullptr, PlanInput::AdsPerPage},
        ColumnRow{"Fill rate (%)", std::nullopt, nullptr, PlanInput::FillRate},
        ColumnRow{"Goal ($):", std::nullopt, nullptr, PlanInput::Goal},
        ColumnRow{"pagevews", std::nullopt, "pageviews"},
        ColumnRow{"fil_rate", std::nullopt, "fill_rate"},
        ColumnRow{"goals", std::nullopt, "goal"}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });
// clang-format on

} // namespace
