// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace cli {

// The records of a TSV table as aligned text: every column as wide as its widest field, two
// blanks apart, the first leftColumns left-aligned and the others, the figures, right-aligned.
std::string AlignedTable(std::string_view tsv, std::size_t leftColumns);

} // namespace cli
