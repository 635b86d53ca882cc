// SPDX-License-Identifier: MIT
#include "columns.h"

#include <QByteArray>
#include <algorithm>
#include <numeric>
#include <vector>

namespace cli {
namespace {

// The headings beside the boxes in the window, without their colons.
const char* Heading(Figure figure) {
    constexpr std::array headings = {"impressions", "ctr (%)", "clicks", "ecpm ($)"};
    return headings[static_cast<std::size_t>(figure)];
}

QByteArray Normalised(std::string_view name) {
    QByteArray normal =
        QByteArray(name.data(), static_cast<qsizetype>(name.size())).trimmed().toLower();
    if (normal.endsWith(':'))
        normal.chop(1);
    return normal.trimmed();
}

// The fewest letters to insert, delete or replace to turn one text into the other.
std::size_t EditDistance(const QByteArray& from, std::string_view to) {
    std::vector<std::size_t> row(to.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (const char c : from) {
        std::size_t diagonal = row[0]++;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t replaced = diagonal + (c == to[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, replaced});
        }
    }
    return row.back();
}

} // namespace

std::optional<calc::PlanInput> PlanColumnOf(std::string_view name) {
    using calc::PlanInput;
    const QByteArray normal = Normalised(name);
    for (const PlanInput input :
         {PlanInput::Goal, PlanInput::PageViews, PlanInput::AdsPerPage, PlanInput::FillRate}) {
        if (normal == calc::PlanInputName(input))
            return input;
    }
    return std::nullopt;
}

std::optional<Figure> FigureOfColumn(std::string_view name) {
    const QByteArray normal = Normalised(name);
    for (const Figure figure : kAllFigures) {
        if (normal == FigureName(figure) || normal == Heading(figure))
            return figure;
    }
    return std::nullopt;
}

std::optional<Figure> MisspeltFigure(std::string_view name) {
    if (FigureOfColumn(name))
        return std::nullopt;
    const QByteArray normal = Normalised(name);
    for (const Figure figure : kAllFigures) {
        const std::string_view figureName = FigureName(figure);
        const std::size_t allowed = figureName.size() > 4 ? 2 : 1;
        if (EditDistance(normal, figureName) <= allowed)
            return figure;
    }
    return std::nullopt;
}

} // namespace cli
