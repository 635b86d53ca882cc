// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace cli {

// A CTR such as "2.5" goes into two boxes: the whole percent "2" and the tenths "5".
struct CtrParts {
    std::string wholePercent;
    std::optional<std::string> tenths; // absent when the text has no point
};

inline CtrParts SplitCtr(const std::string& text) {
    const auto point = text.find('.');
    if (point == std::string::npos)
        return {text, std::nullopt};
    return {text.substr(0, point), text.substr(point + 1)};
}

} // namespace cli
