// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"
#include "cli/command_line.h"

#include <sstream>
#include <string>
#include <vector>

// One run of the program in this process: what it wrote and how it ended.
struct CliRun {
    std::string out;
    std::string err;
    int code = -1;
};

inline CliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = {}) {
    QStringList list{QString::fromLatin1(cli::kProgramName)};
    for (const std::string& argument : arguments)
        list << cli::ArgumentText(argument);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::Run(list, in, out, err);
    return {out.str(), err.str(), code};
}
