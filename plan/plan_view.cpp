// SPDX-License-Identifier: MIT
#include "plan_view.h"

namespace plan {

View Work(const Fields& fields) {
    View view;
    view.results[0] = fields.goal;
    for (int month = 1; month <= 12; ++month)
        view.months.push_back({{QString::number(month), fields.impressions, QString(),
                                QString::number(month * 100), QString()},
                               month * 100.0});
    view.goalLine = 1000;
    return view;
}

} // namespace plan
