// SPDX-License-Identifier: MIT
#include "cli/plan_output.h"

#include "calc/conversions.h"
#include "cli/csv_output.h"
#include "cli/json_output.h"

#include <algorithm>
#include <vector>

namespace cli {
namespace {

// One shown figure with its names.
struct Shown {
    const char* field;
    const char* heading;
    const std::string& text;
};

std::vector<Shown> FiguresOf(const planning::Plan& plan) {
    std::vector<Shown> figures;
    for (const planning::NeededResult& result : planning::kNeededResults) {
        if (const auto& text = plan[result.needed])
            figures.push_back({result.field, result.heading, *text});
    }
    for (std::size_t field = 0; field < calc::kResults.size(); ++field)
        figures.push_back(
            {calc::kResults[field].field, calc::kResults[field].heading, plan.figures[field]});
    return figures;
}

std::string AsText(const planning::Plan& plan) {
    const std::vector<Shown> figures = FiguresOf(plan);
    std::size_t labelWidth = 0;
    for (const Shown& figure : figures)
        labelWidth = std::max(labelWidth, std::string_view(figure.heading).size());
    std::string out;
    for (const Shown& figure : figures) {
        out += figure.heading;
        out.append(labelWidth - std::string_view(figure.heading).size() + 2, ' ');
        out += figure.text + '\n';
    }
    if (plan.months.empty())
        return out;

    // Every column is as wide as its widest text, the figures right-aligned under headings.
    std::array<std::size_t, planning::kMonthFields.size()> widths{};
    for (std::size_t column = 0; column < widths.size(); ++column) {
        widths[column] = std::string_view(planning::kMonthFields[column].heading).size();
        for (const planning::PlanMonth& month : plan.months)
            widths[column] = std::max(widths[column], month.shown[column].size());
    }
    const auto appendLine = [&](const auto& textOf) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            const std::string_view text = textOf(column);
            out.append(widths[column] - text.size() + (column > 0 ? 2 : 0), ' ');
            out += text;
        }
        out += '\n';
    };
    out += '\n';
    appendLine([](std::size_t column) { return planning::kMonthFields[column].heading; });
    for (const planning::PlanMonth& month : plan.months)
        appendLine([&](std::size_t column) { return std::string_view(month.shown[column]); });
    return out;
}

// A CSV or TSV table: the header unless left out, then a record a row of captions.
void AppendTable(std::string& out, const std::vector<const char*>& fields,
                 const std::vector<std::vector<std::string_view>>& rows, const Output& output,
                 const Delimited& delimited) {
    const auto appendRecord = [&](const auto& cells, bool captions) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += delimited.separator;
            if (captions && output.numbers)
                out += calc::CaptionNumber(cells[i]);
            else
                delimited.appendField(out, cells[i]);
        }
        out += delimited.recordEnd;
    };
    if (output.header)
        appendRecord(fields, false);
    for (const auto& row : rows)
        appendRecord(row, true);
}

std::string AsTable(const planning::Plan& plan, const Output& output, const Delimited& delimited) {
    std::vector<const char*> fields;
    std::vector<std::string_view> record;
    for (const Shown& figure : FiguresOf(plan)) {
        fields.push_back(figure.field);
        record.push_back(figure.text);
    }
    std::string out;
    AppendTable(out, fields, {record}, output, delimited);
    if (plan.months.empty())
        return out;

    out += delimited.recordEnd;
    fields.clear();
    for (const planning::MonthField& field : planning::kMonthFields)
        fields.push_back(field.field);
    std::vector<std::vector<std::string_view>> rows;
    for (const planning::PlanMonth& month : plan.months)
        rows.emplace_back(month.shown.begin(), month.shown.end());
    AppendTable(out, fields, rows, output, delimited);
    return out;
}

std::string AsJson(const planning::Plan& plan) {
    std::string out = "{";
    for (const Shown& figure : FiguresOf(plan)) {
        if (out.size() > 1)
            out += ',';
        AppendJsonFigure(out, figure.field, figure.text);
    }
    out += "}\n";
    for (const planning::PlanMonth& month : plan.months) {
        out += "{\"month\":" + month[planning::MonthColumn::Month];
        for (std::size_t column = 1; column < planning::kMonthFields.size(); ++column) {
            out += ',';
            AppendJsonFigure(out, planning::kMonthFields[column].field, month.shown[column]);
        }
        out += "}\n";
    }
    return out;
}

} // namespace

std::string RenderPlan(const planning::Plan& plan, const Output& output) {
    switch (output.format) {
    case Format::Csv:
        return AsTable(plan, output, kCsv);
    case Format::Tsv:
        return AsTable(plan, output, kTsv);
    case Format::Json:
        return AsJson(plan);
    case Format::Text:
        break;
    }
    return AsText(plan);
}

} // namespace cli
