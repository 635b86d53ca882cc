// SPDX-License-Identifier: MIT
#pragma once

#include "month_table_model.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What the Plan window hands the engine and what it shows of the answer: texts in, captions
// out. Every figure is the engine's; the window only places them.
namespace plan {

enum class Solve { Impressions, ECPM };

// The fields as typed; an empty optional field is one not given.
struct Fields {
    QString goal;
    int period = 2; // the index of calc::Period: day, week, month, year
    Solve solve = Solve::Impressions;
    QString impressions;
    QString ctr;
    QString ecpm;
    QString pageViews;
    QString adsPerPage;
    QString fillRate;
    QString growth;
    QString months;
};

// The figures a plan may give, in the order the window shows them.
enum class Result {
    NeededImpressions,
    NeededPageViews,
    NeededClicks,
    NeededECPM,
    Daily,
    Weekly,
    Monthly,
    Yearly,
};
inline constexpr std::array kResultNames = {
    "Needed impressions a day", "Needed page views a day", "Needed clicks a day", "Needed eCPM",
    "Daily earnings",           "Weekly earnings",         "Monthly earnings",    "Yearly earnings",
};

struct View {
    QString refusal; // the sentence that says why there is no plan; empty when there is one
    // The captions of the results, in the order of Result; empty where the plan has none.
    std::array<QString, kResultNames.size()> results;
    std::vector<MonthTableModel::Row> months;
    std::optional<double> goalLine; // in the units of the rows' monthly amounts
};

// The plan for the fields, worked out by the engine.
View Work(const Fields& fields);

} // namespace plan
