// SPDX-License-Identifier: MIT
#pragma once

namespace cli {

inline constexpr const char* kProgramName = "varnelcalc-cli";

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadRows = 1;  // a batch ran, with rows that could not be computed
inline constexpr int kExitBadInput = 2; // nothing was computed, or a batch could not go on

} // namespace cli
