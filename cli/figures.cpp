// SPDX-License-Identifier: MIT
#include "cli/figures.h"

#include "cli/json_output.h"

namespace cli {

const char* FigureName(Figure figure) {
    return calc::FactsOf(figure).name;
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    AppendJsonString(quoted, text);
    return quoted;
}

} // namespace cli
