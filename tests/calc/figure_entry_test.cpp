// SPDX-License-Identifier: MIT
// Figures given whole: what is refused, and the captions of what is taken.
#include "calc/figure_entry.h"

#include <gtest/gtest.h>

namespace {

using calc::Figure;
using calc::ReadingFault;

struct EntryRow {
    const char* name;
    std::array<const char*, 4> figures; // impressions, CTR, clicks, eCPM; null: not given
    std::optional<ReadingFault> fault;
    Figure figure;      // the refused one
    const char* clicks; // or the captions of the figures taken
    const char* monthly;
};

std::ostream& operator<<(std::ostream& out, const EntryRow& row) {
    return out << row.name;
}

class FigureEntryTest : public ::testing::TestWithParam<EntryRow> {};

TEST_P(FigureEntryTest, TakesFiguresAsWrittenAndShowsTheWindowsCaptions) {
    const EntryRow& row = GetParam();
    calc::TypedFigures figures;
    for (const Figure figure : calc::kAllFigures) {
        if (const char* text = row.figures[static_cast<std::size_t>(figure)])
            figures[figure] = text;
    }
    const calc::Entry entry = calc::EnterFigures(figures);
    if (row.fault) {
        const auto* problem = std::get_if<calc::EntryProblem>(&entry);
        ASSERT_NE(problem, nullptr);
        EXPECT_EQ(problem->fault, calc::EntryFault::Unread);
        EXPECT_EQ(problem->refusal.fault, *row.fault);
        EXPECT_EQ(problem->figure, row.figure);
        return;
    }
    const auto* captions = std::get_if<calc::Captions>(&entry);
    ASSERT_NE(captions, nullptr);
    EXPECT_EQ((*captions)[static_cast<std::size_t>(calc::Caption::ProjectedClicks)], row.clicks);
    EXPECT_EQ((*captions)[static_cast<std::size_t>(calc::Caption::MonthlyEarnings)], row.monthly);
}

constexpr auto kNone = std::nullopt;
constexpr auto kAny = Figure::Impressions;

INSTANTIATE_TEST_SUITE_P(
    Figures, FigureEntryTest,
    ::testing::Values(
        EntryRow{"WithCtr", {"1000", "2.5", nullptr, "2"}, kNone, kAny, "25.0", "$60.82"},
        EntryRow{"BlanksTakenOut", {"1 000", " 2.5", nullptr, "2 "}, kNone, kAny, "25.0", "$60.82"},
        EntryRow{"WithClicks", {"1000", nullptr, "25", "2"}, kNone, kAny, "25.0", "$60.82"},
        EntryRow{"NothingGiven", {nullptr, nullptr, nullptr, nullptr}, kNone, kAny, "0", "$0.00"},
        EntryRow{"NoClicks", {"1000", nullptr, nullptr, "2"}, kNone, kAny, "0", "$0.00"},
        EntryRow{"Letter",
                 {"1a", nullptr, nullptr, nullptr},
                 ReadingFault::NotADigit,
                 Figure::Impressions,
                 "",
                 ""},
        EntryRow{"TwoPoints",
                 {nullptr, nullptr, nullptr, "1.2.3"},
                 ReadingFault::TwoDecimalMarks,
                 Figure::ECPM,
                 "",
                 ""},
        EntryRow{"OnlyAPoint",
                 {nullptr, ".", nullptr, nullptr},
                 ReadingFault::NoDigit,
                 Figure::CTR,
                 "",
                 ""},
        EntryRow{"CtrAboveItsBoxes",
                 {nullptr, "1000", nullptr, nullptr},
                 ReadingFault::OutOfRange,
                 Figure::CTR,
                 "",
                 ""},
        EntryRow{"TwoDecimals",
                 {nullptr, "2.55", nullptr, nullptr},
                 ReadingFault::TooManyDecimals,
                 Figure::CTR,
                 "",
                 ""},
        EntryRow{"AboveHundred",
                 {nullptr, "100.5", nullptr, nullptr},
                 ReadingFault::OutOfRange,
                 Figure::CTR,
                 "",
                 ""},
        // A box written by code stores a long figure whole.
        EntryRow{"ClicksLongerThanTheirBox",
                 {"1000000", nullptr, "123456", "2"},
                 kNone,
                 kAny,
                 "123456.0",
                 "$60,820.00"},
        EntryRow{"LeadingZero", {"01,000", "2.5", nullptr, "$2"}, kNone, kAny, "25.0", "$60.82"},
        EntryRow{"FirstFigureWins",
                 {"1,00", nullptr, nullptr, "x"},
                 ReadingFault::SeparatorPlace,
                 Figure::Impressions,
                 "",
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
