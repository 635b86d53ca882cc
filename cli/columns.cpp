// SPDX-License-Identifier: MIT
#include "cli/columns.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cctype>
#include <numeric>
#include <vector>

namespace cli {
namespace {

// The name in lower case without its blanks, brackets and closing colon, so that "CTR (%):",
// "CTR(%)" and "CTR %" are one heading.
QByteArray Key(std::string_view name) {
    QByteArray key = QByteArray(name.data(), static_cast<qsizetype>(name.size())).toLower();
    key.removeIf(
        [](char c) { return std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ')'; });
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
    using planning::PlanInput;
    const QByteArray key = Key(name);
    for (const PlanInput input :
         {PlanInput::Goal, PlanInput::PageViews, PlanInput::AdsPerPage, PlanInput::FillRate}) {
        if (key == planning::PlanInputName(input))
            return input;
    }
    return std::nullopt;
}

std::optional<Figure> FigureOfColumn(std::string_view name) {
    const QByteArray key = Key(name);
    for (const calc::FigureFacts& facts : calc::kFigures) {
        if (key == facts.name || key == Key(facts.heading))
            return facts.figure;
    }
    return std::nullopt;
}

std::optional<Figure> MisspeltFigure(std::string_view name) {
    if (FigureOfColumn(name))
        return std::nullopt;
    const QByteArray key = Key(name);
    for (const Figure figure : kAllFigures) {
        const std::string_view figureName = FigureName(figure);
        const std::size_t allowed = figureName.size() > 4 ? 2 : 1;
        if (EditDistance(key.toStdString(), figureName) <= allowed)
            return figure;
    }
    return std::nullopt;
}

} // namespace cli
