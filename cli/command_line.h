// SPDX-License-Identifier: MIT
#pragma once

#include "cli/program.h"

#include <QStringList>
#include <istream>
#include <ostream>

namespace cli {

// The whole program short of its process: reads the arguments (the first is the program's
// name), writes to out and err, reads in for "--batch -", and returns the exit code.
int Run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace cli
