// SPDX-License-Identifier: MIT
#include "cli/columns.h"

#include "calc/results.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cctype>
#include <numeric>
#include <string>
#include <vector>

namespace cli {
namespace {

// The plan's inputs a batch reads beside the figures, by their names or the Plan window's labels.
constexpr std::array kPlanColumns = {
    planning::PlanInput::Goal,     planning::PlanInput::PageViews, planning::PlanInput::AdsPerPage,
    planning::PlanInput::FillRate, planning::PlanInput::CPC,       planning::PlanInput::Share};
constexpr const char* kPaidPerColumn = "paid_per";

// The name in lower case without its blanks, underscores, brackets, access-key marks and closing
// colon, so that "CTR (%):", "CTR(%)" and "CTR %" are one heading, "fill rate", "fill_rate" and
// "fillrate" one name, and "&Fill rate (%):" the Plan window's label for it.
QByteArray Key(std::string_view name) {
    QByteArray key = QByteArray(name.data(), static_cast<qsizetype>(name.size())).toLower();
    key.removeIf([](char c) {
        return std::isspace(static_cast<unsigned char>(c)) || c == '_' || c == '&' || c == '(' ||
               c == ')';
    });
    if (key.endsWith(':'))
        key.chop(1);
    return key;
}

// The fewest letters to insert, delete, replace or swap with their neighbour to turn one text
// into the other.
std::size_t EditDistance(std::string_view from, std::string_view to) {
    std::vector<std::vector<std::size_t>> d(from.size() + 1,
                                            std::vector<std::size_t>(to.size() + 1));
    for (std::size_t i = 0; i <= from.size(); ++i)
        d[i][0] = i;
    std::iota(d[0].begin(), d[0].end(), 0);
    for (std::size_t i = 1; i <= from.size(); ++i) {
        for (std::size_t j = 1; j <= to.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d.back().back();
}

} // namespace

std::optional<planning::PlanInput> PlanColumnOf(std::string_view name) {
    const QByteArray key = Key(name);
    for (const planning::PlanInput input : kPlanColumns) {
        const planning::PlanInputFacts& facts = planning::FactsOf(input);
        if (key == Key(facts.name) || key == Key(facts.label))
            return input;
    }
    return std::nullopt;
}

bool IsPaidPerColumn(std::string_view name) {
    return Key(name) == Key(kPaidPerColumn);
}

std::optional<Figure> FigureOfColumn(std::string_view name) {
    const QByteArray key = Key(name);
    for (const calc::FigureFacts& facts : calc::kFigures) {
        if (key == facts.name || key == Key(facts.heading))
            return facts.figure;
    }
    return std::nullopt;
}

std::optional<std::string> MisspeltColumn(std::string_view name) {
    if (FigureOfColumn(name) || PlanColumnOf(name) || IsPaidPerColumn(name))
        return std::nullopt;
    // A result's name is refused as a result's, not taken for a misspelt input ("epc", "cpc").
    const QByteArray asTyped = Key(name);
    if (std::ranges::any_of(calc::kResults,
                            [&](const calc::Result& result) { return asTyped == result.field; }))
        return std::nullopt;
    std::vector<std::string> names;
    for (const Figure figure : kAllFigures)
        names.emplace_back(FigureName(figure));
    for (const planning::PlanInput input : kPlanColumns)
        names.emplace_back(planning::PlanInputName(input));
    names.emplace_back(kPaidPerColumn);
    const std::string key = Key(name).toStdString();
    for (const std::string& meant : names) {
        const std::string meantKey = Key(meant).toStdString();
        const std::size_t allowed = meantKey.size() > 4 ? 2 : 1;
        if (EditDistance(key, meantKey) <= allowed)
            return meant;
    }
    return std::nullopt;
}

} // namespace cli
