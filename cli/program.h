// SPDX-License-Identifier: MIT
#pragma once

#include <cerrno>
#include <ostream>
#include <string>
#include <system_error>

namespace cli {

inline constexpr const char* kProgramName = "varnelcalc-cli";

// Every line the program writes to standard error starts with its name, as other tools' do.
inline std::ostream& ErrorLine(std::ostream& err) {
    return err << kProgramName << ": ";
}

// The system's reason for the failure just seen, as ": reason", or nothing where it gave none:
// errno is cleared before each attempt whose failure is told this way.
inline std::string SystemReason() {
    return errno ? ": " + std::generic_category().message(errno) : std::string();
}

// The one sentence for output that could not be written, with errno cleared before the write.
inline std::string WriteFailure() {
    return "cannot write the output" + SystemReason();
}

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadRows = 1;  // a batch ran, with rows that could not be computed
inline constexpr int kExitBadInput = 2; // nothing was computed, or a batch could not go on

} // namespace cli
