// SPDX-License-Identifier: MIT
// Which figure a batch column holds, and which one a column that holds none seems meant for.
#include "cli/columns.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace {

using cli::Figure;

struct ColumnRow {
    const char* name;
    std::optional<Figure> holds;
    std::optional<Figure> misspelt;
};

void PrintTo(const ColumnRow& row, std::ostream* out) {
    *out << '"' << row.name << '"';
}

class ColumnName : public ::testing::TestWithParam<ColumnRow> {};

TEST_P(ColumnName, NamesItsFigure) {
    EXPECT_EQ(cli::FigureOfColumn(GetParam().name), GetParam().holds);
    EXPECT_EQ(cli::MisspeltFigure(GetParam().name), GetParam().misspelt);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ColumnName,
    ::testing::Values(ColumnRow{"impressions", Figure::Impressions, std::nullopt},
                      ColumnRow{" CTR\t", Figure::CTR, std::nullopt},
                      ColumnRow{"Clicks:", Figure::Clicks, std::nullopt},
                      ColumnRow{"CTR (%)", Figure::CTR, std::nullopt},
                      ColumnRow{"eCPM ($):", Figure::ECPM, std::nullopt},
                      ColumnRow{"ecpm ($) :", Figure::ECPM, std::nullopt},
                      ColumnRow{"ctr%", Figure::CTR, std::nullopt},
                      ColumnRow{"eCPM($)", Figure::ECPM, std::nullopt},
                      ColumnRow{"eCPM ($", Figure::ECPM, std::nullopt},
                      ColumnRow{"CTR(%)", Figure::CTR, std::nullopt},
                      ColumnRow{"CTR %", Figure::CTR, std::nullopt},
                      ColumnRow{"ecmp", std::nullopt, Figure::ECPM},
                      ColumnRow{"ecpn", std::nullopt, Figure::ECPM},
                      ColumnRow{"impresion", std::nullopt, Figure::Impressions},
                      ColumnRow{"clciks", std::nullopt, Figure::Clicks},
                      ColumnRow{"impresions", std::nullopt, Figure::Impressions},
                      ColumnRow{"Impression", std::nullopt, Figure::Impressions},
                      ColumnRow{"click", std::nullopt, Figure::Clicks},
                      ColumnRow{"cpm", std::nullopt, Figure::ECPM},
                      ColumnRow{"site", std::nullopt, std::nullopt},
                      ColumnRow{"city", std::nullopt, std::nullopt},
                      ColumnRow{"cost", std::nullopt, std::nullopt},
                      ColumnRow{"", std::nullopt, std::nullopt},
                      ColumnRow{"ctr (%%)", std::nullopt, std::nullopt}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

} // namespace
