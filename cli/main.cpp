// SPDX-License-Identifier: MIT
#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/program.h"

#include <QString>
#include <iostream>

int main(int argc, char* argv[]) {
    // No QCoreApplication: the program needs no event loop, and without one it starts faster.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << cli::ArgumentText(argv[i]);
    std::ios::sync_with_stdio(false);
    const int code = cli::Run(arguments, std::cin, std::cout, std::cerr);
    // A batch that failed to write has said so already.
    errno = 0;
    if (code != cli::kExitBadInput && !std::cout.flush()) {
        cli::ErrorLine(std::cerr) << cli::WriteFailure() << '\n';
        return cli::kExitBadInput;
    }
    return code;
}
