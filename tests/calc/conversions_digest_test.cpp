// SPDX-License-Identifier: MIT
// Each conversion fed the same fixed-seed stream of figures or texts on every platform, with
// a digest of all it gave back checked against the one recorded on Linux: reading and
// writing figures must not depend on the C runtime underneath.
#include "calc/calc_error.h"
#include "calc/conversions.h"
#include "tests/support/text_digest.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>

namespace {

using calc::Pattern;

// Exact for the powers a double holds exactly, and the same on every platform beyond them,
// unlike std::pow, whose last bit differs between C runtimes.
double PowerOfTen(int exponent) {
    double power = 1;
    for (int n = 0; n < std::abs(exponent); ++n)
        power *= 10;
    return exponent < 0 ? 1 / power : power;
}

// Figures of every kind the conversions meet: any bit pattern (infinities and NaNs too),
// counts of tenths to millionths with exact halves among them, and figures from 1E-20 to
// 1E+20. Built from the generator's raw output, which the standard fixes.
double RandomFigure(std::mt19937_64& random) {
    const std::uint64_t bits = random();
    const auto sign = (bits & 1) ? -1.0 : 1.0;
    switch (random() % 3) {
    case 0:
        return std::bit_cast<double>(bits);
    case 1: {
        const double count = static_cast<double>(bits % 100000000000) + ((bits & 2) ? 0.5 : 0.0);
        return sign * count / PowerOfTen(static_cast<int>(random() % 7));
    }
    default:
        return sign * static_cast<double>(bits % 1000000000000000) *
               PowerOfTen(static_cast<int>(random() % 41) - 35);
    }
}

// Texts as typed: digits with or without a point and an exponent, up to 25 significant
// digits, exponents past both ends of the double range.
std::string RandomNumberText(std::mt19937_64& random) {
    std::string text = random() % 2 ? "-" : "";
    for (auto digits = 1 + random() % 25; digits > 0; --digits)
        text += static_cast<char>('0' + random() % 10);
    if (random() % 2)
        text.insert(text.size() - random() % (text.size() - (text[0] == '-')), ".");
    if (random() % 2)
        text += "E" + std::to_string(static_cast<int>(random() % 701) - 350);
    return text;
}

struct ConversionCase {
    const char* name;
    std::function<std::string(std::mt19937_64&)> convertOne;
    std::uint64_t digest;
};

std::string FromFigure(std::mt19937_64& random, const std::function<std::string(double)>& f) {
    return f(RandomFigure(random));
}

std::string Rendered(Pattern pattern, std::mt19937_64& random) {
    return FromFigure(random, [&](double figure) { return calc::FormatPattern(figure, pattern); });
}

const ConversionCase kConversions[] = {
    {"PlainNumberText", [](auto& random) { return FromFigure(random, calc::PlainNumberText); },
     6102922147430214324u},
    {"ToFixedPoint",
     [](auto& random) {
         return FromFigure(random, [](double figure) {
             return std::to_string(calc::ToFixedPoint(figure).tenThousandths);
         });
     },
     15401164532351092636u},
    {"EarningsOfFixedPoint",
     [](auto& random) {
         return FromFigure(random, [](double figure) {
             return calc::FormatPattern(calc::ToFixedPoint(figure), Pattern::Earnings);
         });
     },
     13391305826472733081u},
    {"Earnings", [](auto& random) { return Rendered(Pattern::Earnings, random); },
     12584843644519718523u},
    {"EPC", [](auto& random) { return Rendered(Pattern::EPC, random); }, 5882867418775734783u},
    {"Percent", [](auto& random) { return Rendered(Pattern::Percent, random); },
     1271267016647858505u},
    {"Clicks", [](auto& random) { return Rendered(Pattern::Clicks, random); },
     4693869055882331344u},
    {"LeadingValue",
     [](auto& random) {
         return std::to_string(
             std::bit_cast<std::uint64_t>(calc::LeadingValue(RandomNumberText(random))));
     },
     2858613166807490962u},
};

void PrintTo(const ConversionCase& conversion, std::ostream* out) {
    *out << conversion.name;
}

class ConversionDigestTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionDigestTest, GivesWhatItGivesOnLinux) {
    std::mt19937_64 random(20261207);
    TextDigest seen;
    for (int n = 0; n < 100000; ++n) {
        try {
            seen.add(GetParam().convertOne(random));
        } catch (const calc::CalcError& error) {
            seen.add("error " + std::to_string(error.number()));
        }
    }
    EXPECT_EQ(seen.value(), GetParam().digest);
}

INSTANTIATE_TEST_SUITE_P(FixedSeed, ConversionDigestTest, ::testing::ValuesIn(kConversions),
                         [](const ::testing::TestParamInfo<ConversionCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
