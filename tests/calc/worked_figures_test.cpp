// SPDX-License-Identifier: MIT
// The figures worked out from numbers against the same figures pasted into a calculator's boxes,
// where the handlers work them out one edit after the other: a few hundred of them from a fixed
// seed, across the whole range a plan or a batch hands the engine and at its ends.
#include "calc/click_tie.h"
#include "calc/figure_entry.h"
#include "calc/worked_figures.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The edges of a figure's range, or anywhere up to its most, as likely short as long.
std::int64_t Pick(std::mt19937_64& random, const std::vector<std::int64_t>& edges,
                  std::int64_t most) {
    if (random() % 3 == 0)
        return edges[random() % edges.size()];
    std::int64_t scale = 10;
    for (auto digits = random() % 15; digits > 0 && scale <= most / 10; --digits)
        scale *= 10;
    return static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(scale)) % (most + 1);
}

// "2.5" for 25 tenths, "1.0020" for 10020 ten-thousandths.
std::string Decimal(std::int64_t count, int decimals) {
    std::string fraction = std::to_string(count % (decimals == 1 ? 10 : 10000));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return std::to_string(count / (decimals == 1 ? 10 : 10000)) + "." + fraction;
}

TEST(WorkedFiguresTest, ShowWhatTheBoxesShowForTheSameFigures) {
    constexpr std::int64_t kMost = 999'999'999'999'999;
    std::mt19937_64 random(20261208);
    for (int round = 0; round < 400; ++round) {
        calc::TypedFigures texts;
        calc::Traffic traffic;
        const std::int64_t impressions = Pick(random, {0, 1, 100, 9'999'999, kMost}, kMost);
        texts[calc::Figure::Impressions] = std::to_string(impressions);
        traffic.impressions = static_cast<double>(impressions);
        if (random() % 2) {
            const std::int64_t tenths = Pick(random, {0, 1, 25, 999, 1000}, 1000);
            texts[calc::Figure::CTR] = Decimal(tenths, 1);
            traffic.ctr = calc::CtrOfTenths(tenths);
        } else {
            const std::int64_t clicks = Pick(random, {0, 1, 99'999, kMost}, kMost);
            texts[calc::Figure::Clicks] = std::to_string(clicks);
            traffic.clicks = static_cast<double>(clicks);
            traffic.from = calc::ClicksFrom::Typed;
        }
        const std::int64_t ecpm = Pick(random, {0, 1, 10'000, 99'999'990'000, kMost}, kMost);
        texts[calc::Figure::ECPM] = Decimal(ecpm, 4);

        SCOPED_TRACE(*texts[calc::Figure::Impressions] + " " +
                     texts[calc::Figure::CTR].value_or("-") + " " +
                     texts[calc::Figure::Clicks].value_or("-") + " " + *texts[calc::Figure::ECPM]);
        const calc::Entry pasted = calc::PasteFigures(texts);
        try {
            const calc::Captions worked = calc::WorkedFigures(traffic, {ecpm}).captions();
            ASSERT_TRUE(std::holds_alternative<calc::Captions>(pasted));
            EXPECT_EQ(worked, std::get<calc::Captions>(pasted));
        } catch (const calc::CalcError& error) {
            const auto* problem = std::get_if<calc::EntryProblem>(&pasted);
            ASSERT_NE(problem, nullptr) << error.what();
            EXPECT_EQ(problem->fault, calc::EntryFault::ErrorReport);
            EXPECT_EQ(problem->error, error.kind());
        }
    }
}

} // namespace
