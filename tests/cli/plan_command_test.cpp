// SPDX-License-Identifier: MIT
// The command line the Plan window copies, split as a shell splits it: it makes the same plan.
#include "planning/command_line.h"
#include "tests/cli/run_cli.h"
#include "tests/planning/plan_texts.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

namespace {

TEST(PlanCommand, MakesThePlanItWasMadeFrom) {
#ifdef _WIN32
    GTEST_SKIP() << "no POSIX shell";
#else
    const auto texts = TextsOf("goal=$1,000|per=week|pageviews=4 000|ctr=2.5|ecpm=2.5", '|');
    const std::string line = planning::CommandLine(texts);
    // The shell prints the arguments it makes of the line after the program's name, one a line.
    const std::string script = "set -- " + line.substr(line.find(' ')) + "; printf '%s\\n' \"$@\"";
    FILE* shell = popen(script.c_str(), "r");
    ASSERT_TRUE(shell);
    std::vector<std::string> arguments;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, shell))
        arguments.emplace_back(buffer).pop_back();
    pclose(shell);

    const CliRun run = RunCli(arguments);
    const auto plan = std::get<planning::Plan>(planning::MakePlan(texts));
    const std::string needed = *plan[planning::PlanResult::NeededImpressions];
    EXPECT_TRUE(
        std::regex_search(run.out, std::regex("\nNeeded impressions a day +" + needed + "\n")))
        << line << '\n'
        << run.out << run.err;
#endif
}

} // namespace
