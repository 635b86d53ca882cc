// SPDX-License-Identifier: MIT
#include "planning/command_line.h"

#include "planning/reading.h"

#include <algorithm>

namespace planning {
namespace {

// The characters no POSIX shell gives a meaning to inside a word: a value of nothing else stands
// as it is ("2.5", "1,000", "50%"). Any other is quoted whole, a "'" in it written '\''.
std::string Quoted(const std::string& value) {
    constexpr std::string_view kPlain = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                        "0123456789@%+=:,./_-";
    if (!value.empty() && value.find_first_not_of(kPlain) == std::string::npos)
        return value;
    std::string quoted = "'";
    for (const char c : value)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Option(std::string name, const std::string& value) {
    std::ranges::replace(name, '_', '-');
    return " --" + name + ' ' + Quoted(value);
}

} // namespace

std::string CommandLine(const PlanTexts& texts) {
    // The command line program's name, as cli::kProgramName has it.
    std::string line = "varnelcalc-cli";
    if (IsRead(texts, PlanInput::Goal)) {
        line += Option(PlanInputName(PlanInput::Goal), texts[PlanInput::Goal]);
        if (texts.per != Period::Month)
            line += Option("per", PeriodName(texts.per));
        if (texts.solve != Solve::Impressions)
            line += Option("solve", SolveName(texts.solve));
    }
    for (const PlanInput input : kAllPlanInputs) {
        if (input != PlanInput::Goal && IsRead(texts, input))
            line += Option(PlanInputName(input), texts[input]);
    }
    if (texts.paid != PaidPer::Click)
        line += Option("paid_per", PaidPerName(texts.paid));
    return line;
}

} // namespace planning
