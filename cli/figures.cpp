// SPDX-License-Identifier: MIT
#include "cli/figures.h"

#include "cli/json_output.h"

#include <array>

namespace cli {

const char* FigureName(Figure figure) {
    constexpr std::array names = {"impressions", "ctr", "clicks", "ecpm"};
    return names[static_cast<std::size_t>(figure)];
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    AppendJsonString(quoted, text);
    return quoted;
}

} // namespace cli
